#pragma once

#include <QString>

class QImage;
class QIODevice;

// Writes a picture as a single-frame GIF. The palette and pixel indices are
// those of Qt's own conversion to an 8-bit indexed image.
bool WriteGif(const QImage& image, QIODevice& out, QString* pError);
