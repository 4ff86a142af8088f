#ifndef TESTPICTURES_H
#define TESTPICTURES_H

#include <QByteArray>
#include <QColor>

// Picture bytes the tests serve, store and load.
namespace testpictures {

// A width x height picture of one colour, encoded in format ("PNG", "JPG").
QByteArray encoded(int width, int height, const QColor &color, const char *format);

// A small JPEG whose header states 20000×20000 pixels.
QByteArray oversizedjpeg();

// A JPEG of markers only, stating width x height, with no picture in it.
QByteArray headeronlyjpeg(int width, int height);

}

#endif
