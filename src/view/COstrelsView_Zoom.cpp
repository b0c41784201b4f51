#include "view/COstrelsView.h"

#include "document/COstrelsDoc.h"
#include "view/StatusReadouts.h"

#include <QScrollBar>
#include <cmath>

namespace {
// Zoom In and Zoom Out by the zoom in whole percent; a zoom not listed stays.
struct CZoomStep {
    int nPercent;
    float fIn;
    float fOut;
};
constexpr CZoomStep kZoomSteps[] = {
    {25, 0.5f, 0.25f},  {50, 0.75f, 0.25f}, {75, 1.0f, 0.5f},  {100, 1.5f, 0.75f},
    {150, 2.0f, 1.0f},  {200, 3.0f, 1.5f},  {300, 3.0f, 2.0f},
};

const CZoomStep* FindStep(float fZoom)
{
    const int nPercent = int(fZoom * 100.0f);
    for (const auto& s : kZoomSteps)
        if (s.nPercent == nPercent)
            return &s;
    return nullptr;
}
}  // namespace

void COstrelsView::SetZoom(float fZoom)
{
    m_fZoom = fZoom;
    // The direct levels size the scroll range to the zoomed canvas so that the
    // whole card with its margins can always be reached.
    SetScrollExtent(CanvasPixelSize(), m_szPage, m_szLine);
    AfterZoom();
}

void COstrelsView::ZoomIn()
{
    if (const CZoomStep* s = FindStep(m_fZoom))
        m_fZoom = std::min(s->fIn, kMaxZoom);
    ResetZoomExtent();
    AfterZoom();
}

void COstrelsView::ZoomOut()
{
    if (const CZoomStep* s = FindStep(m_fZoom))
        m_fZoom = std::max(s->fOut, kMinZoom);
    ResetZoomExtent();
    AfterZoom();
}

void COstrelsView::ResetZoomExtent()
{
    // The card plus 1.3 inch, the longer side's share stretched by the
    // aspect ratio; never less than the whole canvas.
    const float w = float(std::max(1, m_pDoc->m_nCardWidth));
    const float h = float(std::max(1, m_pDoc->m_nCardHeight));
    const float r = w / h;
    const float z = m_fZoom;
    const QSizeF sz = r > 1.0f ? QSizeF(int(z * (w + 130.0f * r)), int(z * (h + 130.0f)))
                               : QSizeF(int(z * (w + 130.0f)), int(z * (h + 130.0f / r)));
    const QSize ext = InchHundredthsToPixels(sz).expandedTo(CanvasPixelSize());
    const QSize page(ext.width() / 10, ext.height() / 10);
    SetScrollExtent(ext, page, QSize(page.width() / 10, page.height() / 10));
}

void COstrelsView::AfterZoom()
{
    m_ptOrigin = ClientToCanvas(QPoint(0, 0));
    RefreshStatusReadouts();
    viewport()->update();
    Q_EMIT zoomChanged(m_fZoom);
}

QSize COstrelsView::CanvasPixelSize() const
{
    const CCanvasMapping map(m_pDoc->m_nCardWidth, m_pDoc->m_nCardHeight, m_fZoom);
    const QPoint pt = map.ToClient(QPoint(m_pDoc->m_nCardWidth + 2 * kCanvasMargin,
                                          m_pDoc->m_nCardHeight + 2 * kCanvasMargin));
    return {pt.x(), pt.y()};
}

QSize COstrelsView::InchHundredthsToPixels(QSizeF sz) const
{
    return {int(std::lround(sz.width() * logicalDpiX() / 100.0)), int(std::lround(sz.height() * logicalDpiY() / 100.0))};
}

void COstrelsView::SetScrollExtent(QSize szExtent, QSize szPage, QSize szLine)
{
    m_szExtent = szExtent;
    m_szPage = szPage.expandedTo(QSize(1, 1));
    m_szLine = szLine.expandedTo(QSize(1, 1));
    UpdateScrollBars();
}

void COstrelsView::UpdateScrollBars()
{
    const QSize vp = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    // The bars' page step sizes their sliders to the visible part; paging by
    // the view's own page step is done in OnScrollAction.
    h->setRange(0, std::max(0, m_szExtent.width() - vp.width()));
    h->setPageStep(std::max(1, vp.width()));
    h->setSingleStep(m_szLine.width());
    v->setRange(0, std::max(0, m_szExtent.height() - vp.height()));
    v->setPageStep(std::max(1, vp.height()));
    v->setSingleStep(m_szLine.height());
    m_ptOrigin = ClientToCanvas(QPoint(0, 0));
}

void COstrelsView::OnScrollAction(Qt::Orientation o, int nAction)
{
    QScrollBar* bar = o == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    const int nPage = o == Qt::Horizontal ? m_szPage.width() : m_szPage.height();
    if (nAction == QAbstractSlider::SliderPageStepAdd)
        bar->setSliderPosition(std::min(bar->maximum(), bar->value() + nPage));
    else if (nAction == QAbstractSlider::SliderPageStepSub)
        bar->setSliderPosition(std::max(bar->minimum(), bar->value() - nPage));
}

void COstrelsView::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    UpdateScrollBars();
}

void COstrelsView::scrollContentsBy(int dx, int dy)
{
    // The whole picture is drawn again rather than blitted: the desk, grid and
    // shadow are cheap and this keeps one drawing path.
    m_ptOrigin = ClientToCanvas(QPoint(0, 0));
    Q_EMIT scrolled(dx, dy);
    viewport()->update();
}
