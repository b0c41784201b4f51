#include "view/COstrelsView.h"

#include "document/COstrelsDoc.h"
#include "view/PaintExtent.h"

#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>
#include <exception>

Q_LOGGING_CATEGORY(lcViewPaint, "kestova.view.paint")

namespace {
const QColor kDeskColor(192, 192, 192);
const QColor kCardShadowColor(111, 111, 111);
const QColor kInnerBorderColor(0, 128, 255);
constexpr int kCardShadowPixels = 6;
constexpr float kInnerBorderInset = 15.0f;  // 0.15 inch

QColor Opaque(QRgb c) { return QColor(qRed(c), qGreen(c), qBlue(c)); }

// A one-pixel pen of alternating pixels.
QPen DottedPen(const QColor& c)
{
    QPen pen(c, 1, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({1.0, 1.0});
    return pen;
}

}  // namespace

void COstrelsView::paintEvent(QPaintEvent* e)
{
    // Qt's backing store is the off-screen buffer: the exposed part is drawn
    // there and shown in one go.
    QPainter dc(viewport());
    m_ptOrigin = ClientToCanvas(QPoint(0, 0));
    try {
        PaintCanvas(dc, e->rect());
    } catch (const std::exception& ex) {
        // A failed paint is dropped; the next one starts afresh.
        qCWarning(lcViewPaint) << "paint failed:" << ex.what();
    }
}

void COstrelsView::PaintCanvas(QPainter& dc, const QRect& rcClient)
{
    const CCanvasMapping map = PrepareMapping();
    const int W = m_pDoc->m_nCardWidth;
    const int H = m_pDoc->m_nCardHeight;
    const int M = kCanvasMargin;

    dc.save();
    dc.setClipRect(rcClient, Qt::IntersectClip);
    dc.fillRect(rcClient, kDeskColor);

    // The shadow lies six pixels right of and below the card at every zoom.
    const int d = int(double(kCardShadowPixels) / m_fZoom) + M;
    dc.fillRect(ToQRect(map.ToClient(CRect{d, d, d + W, d + H})), kCardShadowColor);

    const QRgb clrFace = m_pDoc->m_nCurrentSide == 2 ? m_pDoc->m_clrBack : m_pDoc->m_clrFront;
    dc.fillRect(ToQRect(map.ToClient(CRect{M, M, M + W, M + H})), Opaque(clrFace));

    DrawGridAndBorder(dc, rcClient);

    const CRect rcCanvas = map.ToCanvas(ToCRect(rcClient.adjusted(-1, -1, 1, 1)));
    const QTransform world = map.Transform();
    for (const auto& p : m_pDoc->m_elements) {
        if (p->m_nSide == m_pDoc->m_nCurrentSide && PaintExtentOf(*p).Touches(rcCanvas)) {
            dc.setTransform(world);
            p->DrawToDC(dc);
            dc.resetTransform();
        }
        // Grid, border and outline stay visible over a background picture.
        if (p->m_nType == ElementType::kBackground)
            DrawGridAndBorder(dc, rcClient);
    }
    dc.restore();
}

void COstrelsView::DrawGridAndBorder(QPainter& dc, const QRect& rcClient)
{
    // Drawn in whole pixels so the lines stay one pixel wide at every zoom,
    // around the very pixels the card face covers: scaling the card by the
    // whole percent instead would set the outline a pixel off the face at the
    // zooms whose card size is not a whole number of pixels.
    const CRect rc = PrepareMapping().ToClient(
        CRect{kCanvasMargin, kCanvasMargin, kCanvasMargin + m_pDoc->m_nCardWidth, kCanvasMargin + m_pDoc->m_nCardHeight});
    const int left = rc.left;
    const int top = rc.top;
    const int right = rc.right;
    const int bottom = rc.bottom;

    dc.save();
    dc.resetTransform();
    dc.setRenderHint(QPainter::Antialiasing, false);

    // A step below one pixel (tiny, zero or negative grid size) draws no grid.
    const int s = int(float(m_nGridSize) * m_fZoom);
    if (m_bShowGrid && s >= 1) {
        const QColor c = Opaque(m_clrGrid);
        const bool bSolid = m_nGridType == 1;
        if (!bSolid)
            dc.setPen(DottedPen(c));
        // Only the lines that cross the repainted part.
        const int x0 = left + std::max(0, (rcClient.left() - left) / s) * s;
        const int xEnd = std::min(right, rcClient.right() + 1);
        for (int x = x0; x < xEnd; x += s) {
            if (bSolid)
                dc.fillRect(x, top, 1, bottom - top, c);
            else
                dc.drawLine(QPointF(x + 0.5, top), QPointF(x + 0.5, bottom));
        }
        const int y0 = top + std::max(0, (rcClient.top() - top) / s) * s;
        const int yEnd = std::min(bottom, rcClient.bottom() + 1);
        for (int y = y0; y < yEnd; y += s) {
            if (bSolid)
                dc.fillRect(left, y, right - left, 1, c);
            else
                dc.drawLine(QPointF(left, y + 0.5), QPointF(right, y + 0.5));
        }
    }

    if (m_bInnerBorder) {
        const int t = int(m_fZoom * kInnerBorderInset);
        dc.setPen(DottedPen(kInnerBorderColor));
        dc.drawLine(QPointF(left, top + t + 0.5), QPointF(right, top + t + 0.5));
        dc.drawLine(QPointF(left, bottom - t + 0.5), QPointF(right, bottom - t + 0.5));
        dc.drawLine(QPointF(left + t + 0.5, top), QPointF(left + t + 0.5, bottom));
        dc.drawLine(QPointF(right - t + 0.5, top), QPointF(right - t + 0.5, bottom));
    }

    // The outline runs along the card's left and top pixels and just outside
    // its right and bottom ones.
    const QColor black(Qt::black);
    dc.fillRect(left, top, right - left + 1, 1, black);
    dc.fillRect(left, bottom, right - left + 1, 1, black);
    dc.fillRect(left, top, 1, bottom - top + 1, black);
    dc.fillRect(right, top, 1, bottom - top + 1, black);
    dc.restore();
}
