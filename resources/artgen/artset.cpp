#include "artset.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>

ArtSet::ArtSet(const QString& folder)
    : folder(folder)
{
}

void ArtSet::add(const QString& name, const QImage& image)
{
    const QString suffix = name.section('.', -1);
    const QString path = folder.filePath(name);
    bool ok = false;
    if (suffix == "jpg")
        ok = image.convertToFormat(QImage::Format_RGB32).save(path, "JPEG", 92);
    else if (suffix == "bmp")
        ok = image.format() == QImage::Format_Mono && image.save(path, "BMP");
    else
        ok = image.save(path, "PNG");
    if (!ok) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
        failure = true;
    }
    names.append(name);
}

bool ArtSet::writeIndex() const
{
    QFile file(folder.filePath("resources.qrc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QStringList sorted = names;
    sorted.sort();
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& name : sorted)
        out << "    <file>" << name << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

bool ArtSet::failed() const
{
    return failure;
}
