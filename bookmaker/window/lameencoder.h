#ifndef LAMEENCODER_H
#define LAMEENCODER_H

#include <QString>

// Where the MP3 encoder lame is found: only an executable file named "lame" counts.
namespace lameencoder {

// The system's lame: the first on the PATH, else /usr/bin/lame; "" when neither is there.
QString standard();

// folder/lame when that is an executable file, else "".
QString infolder(const QString &folder);

}

#endif
