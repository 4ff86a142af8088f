#include "ad.h"
#include "fuzzbanner.h"

// Whatever bytes the server sends as pictures, the banner hands out a
// picture that is either what they hold, bounded (twelve of them stay near
// 100 MiB), or its default.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray picture(reinterpret_cast<const char *>(data), int(size));
    std::unique_ptr<ad> banner = fuzzbanner("10\nhttp://one.example/\nhttp://a.example/\n", picture);
    checkhandouts(*banner, 8 << 20);
    return 0;
}
