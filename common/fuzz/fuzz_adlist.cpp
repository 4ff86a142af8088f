#include "ad.h"
#include "fuzzbanner.h"
#include "testpictures.h"

// Whatever info.txt holds, every link the banner hands out is an http or
// https address, and every picture it hands out is a picture.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QByteArray picture = testpictures::encoded(8, 6, Qt::darkGreen, "PNG");
    const QByteArray list(reinterpret_cast<const char *>(data), int(size));
    std::unique_ptr<ad> banner = fuzzbanner(list, picture);
    checkhandouts(*banner, 8 << 20);
    return 0;
}
