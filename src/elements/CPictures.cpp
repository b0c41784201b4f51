#include "elements/CPictures.h"

#include "platform/CWaitCursor.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {
// Largest size a copy is made for; clones keep their source's bounds anyway.
constexpr int kCloneMaxWidth = 850;
constexpr int kCloneMaxHeight = 1100;
}  // namespace

QImage LoadPictureFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    file.close();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_ARGB32);
}

CBtImage::CBtImage() = default;

CBtImage::CBtImage(QPoint pt1, QPoint, const QImage& source, int nMaxWidth, int nMaxHeight, int bCopy)
{
    m_nType = ElementType::kPicture;
    if (bCopy == 1) {
        CWaitCursor wait;
        m_pImage = source.convertToFormat(QImage::Format_ARGB32);
        m_pImage.detach();
        m_nImageWidth = m_pImage.width();
        m_nImageHeight = m_pImage.height();
    } else {
        m_pImage = source;
    }
    int w = m_pImage.width();
    int h = m_pImage.height();
    // Shrinking stops once the picture fits, or once nothing is left of it
    // (a card smaller than the margin would otherwise never fit).
    while ((w > nMaxWidth - 10 || h > nMaxHeight - 10) && (w > 0 || h > 0)) {
        w = int(0.8 * w);
        h = int(0.8 * h);
    }
    m_rcBounds = CRect::Normalized(pt1, QPoint(pt1.x() + w, pt1.y() + h));
    m_nDashStyle = 0;
    m_nBorderWidth = 0;
    m_nRotation = 0;
    m_clrBorder = 0xFF000000;
}

std::unique_ptr<CElement> CBtImage::Clone() const
{
    auto p = std::make_unique<CBtImage>(QPoint(m_rcBounds.left, m_rcBounds.top), QPoint(m_rcBounds.right, m_rcBounds.bottom),
                                        m_pImage, kCloneMaxWidth, kCloneMaxHeight, 0);
    CopyCommonTo(*p);
    p->m_nImageWidth = m_nImageWidth;
    p->m_nImageHeight = m_nImageHeight;
    return p;
}

void CBtImage::ApplyAlphaToPixels()
{
    if (m_pImage.format() != QImage::Format_ARGB32)
        m_pImage = m_pImage.convertToFormat(QImage::Format_ARGB32);
    const QRgb alpha = QRgb(m_nAlpha) << 24;
    for (int y = 0; y < m_pImage.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(m_pImage.scanLine(y));
        for (int x = 0; x < m_pImage.width(); ++x)
            if (qAlpha(row[x]) != 0)
                row[x] = (row[x] & 0x00FFFFFFu) | alpha;
    }
    m_nImageWidth = m_pImage.width();
    m_nImageHeight = m_pImage.height();
}

CBkgImage::CBkgImage() = default;

CBkgImage::CBkgImage(const QImage& image, int nWidth, int nHeight)
{
    m_pImage = image;
    m_rcBounds = {0, 0, nWidth, nHeight};
    m_nType = ElementType::kBackground;
}

std::unique_ptr<CElement> CBkgImage::Clone() const
{
    auto p = std::make_unique<CBkgImage>(m_pImage, kCloneMaxWidth, kCloneMaxHeight);
    CopyCommonTo(*p);
    return p;
}
