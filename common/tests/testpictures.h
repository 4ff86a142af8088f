#ifndef TESTPICTURES_H
#define TESTPICTURES_H

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPair>

// Picture bytes the tests serve, store and load.
namespace testpictures {

// A width x height picture of one colour, encoded in format ("PNG", "JPG").
QByteArray encoded(int width, int height, const QColor &color, const char *format);

// A small JPEG whose header states 20000×20000 pixels.
QByteArray oversizedjpeg();

// Pictures whose headers state a small size while decoding them would
// allocate hundreds of MB: a GIF frame on a 16383x16383 logical screen, an
// ICO entry of 16x16 holding an 8000x8000 PNG, and an SVG holding that GIF.
// Each with its row name.
QList<QPair<const char *, QByteArray>> bombs();

// A JPEG of markers only, stating width x height, with no picture in it.
QByteArray headeronlyjpeg(int width, int height);

// A width x height progressive JPEG of one colour.
QByteArray progressivejpeg(int width, int height, const QColor &color);

// A progressive JPEG of 64x64 pixels (1.4 KB) whose frame header states
// side x side: the decoder holds every coefficient of that size.
QByteArray progressivebomb(int side = 11585);

// A progressive JPEG stating side x side whose first scan comes scans
// times: the decoder runs through the whole picture once a scan.
QByteArray manyscansjpeg(int scans = 20000, int side = 8192);

}

#endif
