#pragma once

#include "elements/CElement.h"
#include "elements/ElementInterface.h"

#include <QImage>

// A picture placed on the card. The bitmap is always Format_ARGB32; QImage's
// implicit sharing lets clones share pixels until one of them changes.
class CBtImage : public CElement {
    KESTOVA_ELEMENT_CLASS(CBtImage)
public:
    CBtImage();
    // Inserting (bCopy 1) copies the source; the size shrinks by 0.8 until it
    // fits inside nMaxWidth x nMaxHeight less 10.
    CBtImage(QPoint pt1, QPoint pt2, const QImage& source, int nMaxWidth, int nMaxHeight, int bCopy);
    void Serialize(CArchive& ar) override;

    // Gives every pixel that is not fully transparent the element's alpha.
    void ApplyAlphaToPixels();

    int32_t m_nImageWidth = 0;
    int32_t m_nImageHeight = 0;
    QImage m_pImage;
};

// The background picture of one side, stretched over the whole card.
class CBkgImage : public CElement {
    KESTOVA_ELEMENT_CLASS(CBkgImage)
public:
    CBkgImage();
    CBkgImage(const QImage& image, int nWidth, int nHeight);
    void Serialize(CArchive& ar) override;

    QImage m_pImage;
};

// Reads the whole picture file into memory and decodes it from there; a null
// image when the file cannot be read or decoded.
QImage LoadPictureFile(const QString& path);
