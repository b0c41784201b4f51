#include "document/SideImageExport.h"

#include "document/COstrelsDoc.h"
#include "platform/GifWriter.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <climits>

namespace {
// Canvas units per inch: one unit is one pixel at this resolution.
constexpr int kUnitsPerInch = 100;
// Margins that put the card's corner, canvas point (50, 50), at the origin.
constexpr float kCardCornerMargin = -0.5f;
constexpr double kMetresPerInch = 0.0254;

bool Fail(QString* pError, const QString& reason)
{
    if (pError)
        *pError = reason;
    return false;
}

const char* WriterFormat(SideImageExport::CFormat format)
{
    switch (format) {
    case SideImageExport::CFormat::Jpeg: return "jpeg";
    case SideImageExport::CFormat::Png: return "png";
    case SideImageExport::CFormat::Gif:
    case SideImageExport::CFormat::Bmp: break;
    }
    return "bmp";
}
}  // namespace

SideImageExport::CFormat SideImageExport::FormatForPath(const QString& path)
{
    const QString ending = path.right(3).toLower();
    if (ending == QLatin1String("jpg"))
        return CFormat::Jpeg;
    if (ending == QLatin1String("gif"))
        return CFormat::Gif;
    if (ending == QLatin1String("png"))
        return CFormat::Png;
    return CFormat::Bmp;
}

QImage SideImageExport::Render(const COstrelsDoc& doc, int nSide, int nDpi, QString* pError)
{
    if (nSide != 1 && nSide != 2) {
        Fail(pError, QStringLiteral("A card has only a front (1) and a back (2) side."));
        return {};
    }
    const int k = nDpi / kUnitsPerInch;
    if (k < 1) {
        Fail(pError, QStringLiteral("The resolution must be at least 100 dpi."));
        return {};
    }
    const qint64 w = qint64(k) * doc.m_nCardWidth, h = qint64(k) * doc.m_nCardHeight;
    QImage image;
    if (w > 0 && h > 0 && w <= INT_MAX && h <= INT_MAX)
        image = QImage(int(w), int(h), QImage::Format_RGB32);
    if (image.isNull()) {
        Fail(pError, QStringLiteral("A picture of %1 x %2 pixels cannot be made.").arg(w).arg(h));
        return {};
    }

    const QRgb face = nSide == 1 ? doc.m_clrFront : doc.m_clrBack;
    image.fill(QColor::fromRgb(qRed(face), qGreen(face), qBlue(face)));
    {
        QPainter g(&image);
        for (const auto& e : doc.m_elements) {
            if (e->m_nSide != nSide)
                continue;
            g.setWorldTransform(QTransform::fromScale(k, k));
            e->RenderToDC(g, 1, 1, kCardCornerMargin, kCardCornerMargin, 0, 0, 0, 0, false);
        }
    }
    image = image.convertToFormat(QImage::Format_RGB888);
    if (image.isNull()) {
        Fail(pError, QStringLiteral("Not enough memory to finish the picture."));
        return {};
    }
    const int nDotsPerMeter = qRound(nDpi / kMetresPerInch);
    image.setDotsPerMeterX(nDotsPerMeter);
    image.setDotsPerMeterY(nDotsPerMeter);
    return image;
}

bool SideImageExport::Encode(const QImage& image, CFormat format, QIODevice& out, QString* pError)
{
    if (format == CFormat::Gif)
        return WriteGif(image, out, pError);
    QImageWriter writer(&out, WriterFormat(format));
    if (!writer.write(image))
        return Fail(pError, writer.errorString());
    return true;
}

bool SideImageExport::Export(const COstrelsDoc& doc, int nSide, int nDpi, const QString& path, QString* pError)
{
    QString reason;
    const QImage image = Render(doc, nSide, nDpi, &reason);
    if (image.isNull())
        return Fail(pError, reason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(pError, QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
    if (!Encode(image, FormatForPath(path), file, &reason)) {
        file.cancelWriting();
        return Fail(pError, QStringLiteral("Cannot write \"%1\": %2").arg(path, reason));
    }
    if (!file.commit())
        return Fail(pError, QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
    return true;
}
