#include "platform/GifWriter.h"

#include <QIODevice>
#include <QImage>
#include <gif_lib.h>
#include <vector>

namespace {
// A GIF stores its sizes in 16 bits.
constexpr int kMaxGifSide = 65535;
constexpr int kColorResolution = 8;

int WriteToDevice(GifFileType* gif, const GifByteType* data, int nLength)
{
    auto* out = static_cast<QIODevice*>(gif->UserData);
    return int(out->write(reinterpret_cast<const char*>(data), nLength));
}

// giflib wants a colour count that is a power of two; unused slots stay black.
int PaletteSize(int nColors)
{
    int n = 2;
    while (n < nColors)
        n *= 2;
    return n;
}

bool Fail(QString* pError, const QString& reason)
{
    if (pError)
        *pError = reason;
    return false;
}
}  // namespace

bool WriteGif(const QImage& image, QIODevice& out, QString* pError)
{
    if (image.isNull())
        return Fail(pError, QStringLiteral("There is no picture to write."));
    if (image.width() > kMaxGifSide || image.height() > kMaxGifSide)
        return Fail(pError, QStringLiteral("The picture is too large for a GIF file."));
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
    if (indexed.isNull())
        return Fail(pError, QStringLiteral("Not enough memory to convert the picture."));

    const QList<QRgb> table = indexed.colorTable();
    std::vector<GifColorType> colors(size_t(PaletteSize(int(table.size()))), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < table.size(); ++i)
        colors[size_t(i)] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])), GifByteType(qBlue(table[i]))};
    ColorMapObject* map = GifMakeMapObject(int(colors.size()), colors.data());
    if (!map)
        return Fail(pError, QStringLiteral("Not enough memory to write the GIF file."));

    int nError = 0;
    GifFileType* gif = EGifOpen(&out, WriteToDevice, &nError);
    bool bOk = gif != nullptr;
    if (bOk) {
        bOk = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), kColorResolution, 0, map) != GIF_ERROR &&
              EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) != GIF_ERROR;
        for (int y = 0; bOk && y < indexed.height(); ++y)
            bOk = EGifPutLine(gif, indexed.scanLine(y), indexed.width()) != GIF_ERROR;  // masks the line in place
        if (!bOk)
            nError = gif->Error;
        int nCloseError = 0;
        // Closing writes the trailer and frees the handle, also after a failure.
        if (EGifCloseFile(gif, &nCloseError) == GIF_ERROR && bOk) {
            bOk = false;
            nError = nCloseError;
        }
    }
    GifFreeMapObject(map);
    if (!bOk) {
        const char* reason = GifErrorString(nError);
        return Fail(pError, QStringLiteral("GIF encoding failed: %1").arg(QString::fromLatin1(reason ? reason : "unknown error")));
    }
    return true;
}
