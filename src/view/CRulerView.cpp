#include "view/CRulerView.h"

#include "view/COstrelsView.h"
#include "view/PaneFonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr int kMinorTickTop = (0 + CRulerView::kBand) * 2 / 3;
const QColor kMarkerColor(255, 110, 255);
// Pixels a label may take along the horizontal and the vertical ruler.
constexpr int kHorzLabelLength = 25;
constexpr int kVertLabelLength = 30;
}  // namespace

std::vector<CRulerView::CTick> CRulerView::Ticks(int nOrigin, float fZoom, int nSpan)
{
    const int s = int(fZoom * 20.0f);
    const int m = int(std::floor(fZoom * 100.0f));
    std::vector<CTick> ticks;
    if (s <= 0 || m <= 0)
        return ticks;
    // Start at the whole inch at or before the origin, so labels are always
    // whole inches of canvas.
    const int rem = nOrigin % 100;
    const int start = nOrigin - rem;
    const int span = nSpan + rem;
    const int shift = int(float(rem) * fZoom);
    for (int t = 0; t < span; t += s) {
        const bool bMajor = t % m == 0;
        ticks.push_back({t - shift, bMajor, bMajor ? start + int(std::floor(float(t) / fZoom)) : 0});
    }
    return ticks;
}

CRulerView::CRulerView(COstrelsView* pView, int nOrientation, QWidget* parent)
    : QWidget(parent), m_nOrientation(nOrientation), m_fZoom(pView->m_fZoom), m_pView(pView)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CRulerView::SetRulerZoom(int nOrientation, float fZoom)
{
    m_nOrientation = nOrientation;
    m_fZoom = fZoom;
    update();
}

void CRulerView::ShowMarker(int x, int y, int, bool bForget)
{
    // The marker is painted over the ticks at the next repaint; forgetting it
    // leaves the ruler clean after that repaint.
    m_nMarkerX = bForget ? -1 : x;
    m_nMarkerY = bForget ? -1 : y;
    update();
}

void CRulerView::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    dc.fillRect(rect(), palette().color(QPalette::Base));
    m_nOriginX = m_pView->m_ptOrigin.x();
    m_nOriginY = m_pView->m_ptOrigin.y();

    const bool bHorz = m_nOrientation == kHorizontal;
    // The ruler is laid out over the whole window; what lies outside it is clipped.
    const QWidget* pSpan = parentWidget() ? parentWidget() : this;
    const int nSpan = bHorz ? pSpan->width() : pSpan->height();
    dc.setFont(PaneFonts::Arial(bHorz ? 12 : 10));
    dc.setPen(Qt::black);
    for (const CTick& t : Ticks(bHorz ? m_nOriginX : m_nOriginY, m_fZoom, nSpan)) {
        const int from = t.bMajor ? 0 : kMinorTickTop;
        if (bHorz)
            dc.fillRect(t.nPos, from, 1, kBand - from, Qt::black);
        else
            dc.fillRect(from, t.nPos, kBand - from, 1, Qt::black);
        if (t.bMajor)
            DrawLabel(dc, t.nPos, t.nLabel);
    }

    const int nMarker = bHorz ? m_nMarkerX : m_nMarkerY;
    if (nMarker != -1) {
        dc.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        const QRect rc = bHorz ? QRect(nMarker - 1, 2, 2, 16) : QRect(2, nMarker - 1, 16, 2);
        dc.fillRect(rc, kMarkerColor);
    }
}

void CRulerView::DrawLabel(QPainter& dc, int q, int nLabel)
{
    const bool bHorz = m_nOrientation == kHorizontal;
    const int nLength = bHorz ? kHorzLabelLength : kVertLabelLength;
    const QString text = dc.fontMetrics().elidedText(QString::number(nLabel), Qt::ElideMiddle, nLength);
    if (bHorz) {
        dc.drawText(QRect(q + 5, 0, nLength, 15), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        return;
    }
    // Turned to read downwards, its top facing the ticks.
    dc.save();
    dc.translate(15, q + 5);
    dc.rotate(90);
    dc.drawText(QRect(0, 0, nLength, 15), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    dc.restore();
}

void CRulerView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        Q_EMIT activated();
        update();
    }
}
