#include "fuzzinput.h"
#include "mbook.h"

// Whatever a textbook or project file holds, reading it ends cleanly; what is
// accepted can be used through every accessor and written back as it was read.
static void check(MBook &book, bool finished)
{
    for (int i = 0; i <= book.wordcount(); ++i) {
        book.word(i);
        book.haslink(i);
        book.sentence(book.wordsentence(book.rawword(i)));
    }
    for (int i = 0; i <= book.lessoncount(); ++i) {
        book.getlessonitems(i);
        book.lessontitle(i);
    }
    book.getinfo();
    book.showtext3();
    if (!book.write(fuzzoutput(), finished))
        qFatal("an accepted textbook cannot be written");
    MBook again;
    const bool read = finished ? again.readbook(fuzzoutput()) : again.readproject(fuzzoutput());
    if (!read || again != book)
        qFatal("an accepted textbook does not read back the same");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzzinput(data, size);
    MBook book;
    if (book.readbook(path))
        check(book, true);
    if (book.readproject(path))
        check(book, false);
    return 0;
}
