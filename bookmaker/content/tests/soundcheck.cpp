#include "soundcheck.h"

#include <QFile>
#include <QProcess>

namespace {
bool run(const QString &program, const QStringList &args, QByteArray *out = nullptr)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return false;
    if (out)
        *out = process.readAllStandardOutput();
    return true;
}
}

bool soundcheck::makemp3(const QString &path, double seconds)
{
    const QString wav = path + QStringLiteral(".wav");
    const bool made = run("sox", {"-n", "-r", "22050", "-c", "1", "-b", "16", wav, "synth",
                                  QString::number(seconds), "sine", "440"})
        && run("lame", {"--quiet", wav, path});
    QFile::remove(wav);
    return made;
}

double soundcheck::seconds(const QString &mp3)
{
    const QString wav = mp3 + QStringLiteral(".decoded.wav");
    QByteArray out;
    const bool decoded = run("lame", {"--quiet", "--decode", mp3, wav}) && run("soxi", {"-D", wav}, &out);
    QFile::remove(wav);
    return decoded ? out.trimmed().toDouble() : 0;
}

QByteArray soundcheck::noise(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = 20240611;
    for (char &byte : bytes) {
        x = x * 1664525u + 1013904223u;
        byte = char(x >> 24);
    }
    return bytes;
}
