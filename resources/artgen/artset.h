#ifndef ARTSET_H
#define ARTSET_H

#include <QDir>
#include <QImage>
#include <QStringList>

// Writes the pictures into the resource folder, each in the format its name
// asks for, and lists them in the resource file.
class ArtSet
{
public:
    explicit ArtSet(const QString& folder);

    void add(const QString& name, const QImage& image);
    bool writeIndex() const;
    bool failed() const;

private:
    QDir folder;
    QStringList names;
    bool failure = false;
};

#endif
