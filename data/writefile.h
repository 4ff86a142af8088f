#ifndef WRITEFILE_H
#define WRITEFILE_H

#include <QDataStream>
#include <QString>
#include <functional>

// A file replaced whole. What is written goes into a temporary of this
// process's own beside the file (savetemporary), flushed to the disk;
// commit() renames it over the file, which until then is left as it was.
// A temporary not committed goes with the object; one a kill left goes at a
// later save, once its writer has ended (removesaveleftovers).
class SaveFile
{
public:
    explicit SaveFile(const QString &path);
    ~SaveFile();
    SaveFile(const SaveFile &) = delete;
    SaveFile &operator=(const SaveFile &) = delete;

    // Writes the temporary at stream version 12; false, with no temporary
    // left, when anything fails.
    bool write(const std::function<void(QDataStream &)> &write);
    // The temporary write() made, for a writer that rewrites it by name.
    QString temporary() const;
    // Puts the temporary in place of the file; false when nothing was written
    // or the rename failed.
    bool commit();

private:
    void drop();

    QString target;
    QString temp;
    bool made = false;
};

// Replaces the file at path with what write puts in, through a SaveFile.
bool writefile(const QString &path, const std::function<void(QDataStream &)> &write);

#endif
