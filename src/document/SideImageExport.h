#pragma once

#include <QImage>
#include <QString>

class COstrelsDoc;
class QIODevice;

// A side of a design as a picture file: the card face only, at a chosen
// resolution, as Save As Image and the batch export write it.
namespace SideImageExport {
enum class CFormat { Bmp, Jpeg, Gif, Png };

// The picture type by the path's last three characters in lower case: "jpg",
// "gif", "png"; anything else is a bitmap.
CFormat FormatForPath(const QString& path);

// The side's face colour covered by its elements, (k x card width) by
// (k x card height) pixels, k = nDpi / 100 (integer division), 24 bits per
// pixel, with nDpi in its resolution fields. Anything reaching beyond the card
// is cut. A null image, with the reason in *pError, when it cannot be made.
QImage Render(const COstrelsDoc& doc, int nSide, int nDpi, QString* pError = nullptr);

// Encodes with the format's own default settings.
bool Encode(const QImage& image, CFormat format, QIODevice& out, QString* pError = nullptr);

// Render and Encode into the file at path, replaced only once the whole
// picture is written.
bool Export(const COstrelsDoc& doc, int nSide, int nDpi, const QString& path, QString* pError = nullptr);
}  // namespace SideImageExport
