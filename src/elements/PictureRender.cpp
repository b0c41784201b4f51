#include "elements/CPictures.h"

#include "elements/ElementDrawing.h"

#include <QPainter>

// Shadow, border and then the picture itself, stretched over the drawing
// rectangle; the picture covers the inner half of the border line.
void CBtImage::Render(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin, float fRowGap,
                      float fColGap, int nCardWidth, int nCardHeight)
{
    PrepareColors();
    const CPlacement placement{nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth, nCardHeight};
    const QRectF rc = ElementDrawing::DrawingRect(m_rcBounds, placement);
    g.save();
    g.setRenderHint(QPainter::Antialiasing, true);
    g.setRenderHint(QPainter::SmoothPixmapTransform, true);
    ElementDrawing::RotateAboutCentre(g, rc, m_nRotation);
    // A picture counts as filled, so its shadow follows the shadow flag alone.
    m_nFillPattern = 1;
    if (!m_bNoFill && m_bShadow)
        g.fillRect(rc.translated(m_nShadowOffset, m_nShadowOffset), QColor::fromRgba(m_clrShadow));
    if (m_nBorderWidth > 0) {
        g.setPen(ElementDrawing::MakePen(m_clrBorder, m_nBorderWidth + 1, m_nDashStyle));
        g.setBrush(Qt::NoBrush);
        g.drawRect(rc);
    }
    g.drawImage(rc, m_pImage);
    g.restore();
}

// A background covers the card of the cell being drawn, whatever its own
// position; it is never turned, bordered or shadowed.
void CBkgImage::Render(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin, float fRowGap,
                       float fColGap, int nCardWidth, int nCardHeight)
{
    const CPlacement placement{nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth, nCardHeight};
    const QRectF rc(ElementDrawing::CardOrigin(placement), QSizeF(m_rcBounds.Width(), m_rcBounds.Height()));
    g.save();
    g.setRenderHint(QPainter::SmoothPixmapTransform, true);
    g.drawImage(rc, m_pImage);
    g.restore();
}
