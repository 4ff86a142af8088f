#ifndef JPEGCOST_H
#define JPEGCOST_H

#include <QSize>

class QIODevice;

// What decoding a JPEG will cost, as its markers tell before it is decoded.
struct JpegCost
{
    // The size in the frame header; invalid when there is none before the
    // first scan, or it is one the decoder refuses.
    QSize size;
    // The scans (SOS markers) up to the end of the picture, counted up to
    // one more than the walk was asked to look for.
    int scans = 0;
    // The bytes of coefficients the decoder holds while it decodes: those
    // of the whole picture when it is decoded scan by scan (progressive, or
    // a first scan without every component), else none.
    qint64 coefficientbytes = 0;
};

// Walks the markers of the JPEG on the device, from its position, as the
// decoder finds them, to the end of the picture, the end of the device or
// scan maxscans + 1, then puts the device back where it was. Segments the
// decoder reads whole are passed over by their length; anything else, the
// entropy-coded data among it, up to the next marker.
JpegCost jpegcost(QIODevice *device, int maxscans);

#endif
