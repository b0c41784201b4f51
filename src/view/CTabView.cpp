#include "view/CTabView.h"

#include "document/COstrelsDoc.h"
#include "view/PaneFonts.h"
#include "view/TabPictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor kStripColor(230, 230, 170);
const QColor kShownFrame(255, 128, 0);
const QColor kOtherFrame(192, 192, 192);
constexpr QRect kFrontLabel{12, 37, 50, 20};
constexpr QRect kBackLabel{12, 87, 50, 20};
constexpr QRect kResizeLabel{13, 170, 50, 30};
}  // namespace

CTabView::CTabView(COstrelsDoc* pDoc, QWidget* parent) : QWidget(parent), m_pDoc(pDoc)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

bool CTabView::HasBack() const { return m_pDoc->m_nSides == 2; }

void CTabView::SetSideShown(int nSide)
{
    m_nSideShown = nSide;
    update();
}

void CTabView::SetResizeEnabled(bool bEnabled)
{
    m_bResizeEnabled = bEnabled;
    update();
}

void CTabView::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    dc.fillRect(rect(), kStripColor);
    dc.setFont(PaneFonts::Arial(14));
    dc.setBrush(Qt::NoBrush);

    DrawTab(dc, kFrontTab, TabPictures::CardFront(), m_nSideShown == 1);
    dc.setPen(Qt::black);
    dc.drawText(kFrontLabel, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Front"));
    if (HasBack()) {
        DrawTab(dc, kBackTab, TabPictures::CardBack(), m_nSideShown == 2);
        dc.setPen(Qt::black);
        dc.drawText(kBackLabel, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Back"));
    }

    // Until the card size can be changed here the button is shown greyed.
    if (!m_bResizeEnabled)
        dc.setOpacity(0.35);
    dc.drawImage(kResizeButton, TabPictures::ResizeCard());
    dc.setPen(m_bResizeEnabled ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::WindowText));
    dc.drawText(kResizeLabel, Qt::AlignLeft | Qt::AlignTop, QStringLiteral(" Resize\n  Card"));
    dc.setOpacity(1.0);
}

void CTabView::DrawTab(QPainter& dc, const QRect& rc, const QImage& picture, bool bShown)
{
    dc.drawImage(rc, picture);
    dc.setPen(bShown ? QPen(kShownFrame, 2) : QPen(kOtherFrame, 1));
    dc.drawRect(QRectF(rc).adjusted(0, 0, -1, -1));
}

void CTabView::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    const bool bHot = kFrontTab.contains(pt) || (HasBack() && kBackTab.contains(pt))
                   || (m_bResizeEnabled && kResizeButton.contains(pt));
    if (bHot)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void CTabView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint pt = e->position().toPoint();
    if (m_bResizeEnabled && kResizeButton.contains(pt))
        Q_EMIT resizeClicked();
    if (kFrontTab.contains(pt))
        m_nSideShown = 1;
    else if (HasBack() && kBackTab.contains(pt))
        m_nSideShown = 2;
    Q_EMIT sideClicked(m_nSideShown);
    update();
}
