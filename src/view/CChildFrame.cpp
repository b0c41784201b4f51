#include "view/CChildFrame.h"

#include "document/COstrelsDoc.h"
#include "view/COstrelsView.h"
#include "view/CParentView.h"
#include "view/CRulerView.h"
#include "view/CTabView.h"

#include <QGridLayout>
#include <QPainter>

namespace {
// Each pane sits in a one-pixel 3-D frame; one pixel of bar separates frames.
constexpr int kPaneBorder = 1;
constexpr int kBarWidth = 1;
}  // namespace

CChildFrame::CChildFrame(COstrelsDoc* pDoc, QWidget* parent) : QWidget(parent), m_pDoc(pDoc)
{
    m_pView = new COstrelsView(pDoc, this);
    m_pSideLabel = new CParentView00(this);
    m_pCorner = new CParentView(this);
    m_pHorzRuler = new CRulerView(m_pView, CRulerView::kHorizontal, this);
    m_pTabView = new CTabView(pDoc, this);
    m_pVertRuler = new CRulerView(m_pView, CRulerView::kVertical, this);

    m_pSideLabel->setFixedSize(kTabColumnWidth, kRulerDepth);
    m_pCorner->setFixedSize(kRulerDepth, kRulerDepth);
    m_pHorzRuler->setFixedHeight(kRulerDepth);
    m_pTabView->setFixedWidth(kTabColumnWidth);
    m_pVertRuler->setFixedWidth(kRulerDepth);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kPaneBorder, kPaneBorder, kPaneBorder, kPaneBorder);
    grid->setSpacing(2 * kPaneBorder + kBarWidth);
    grid->addWidget(m_pSideLabel, 0, 0);
    grid->addWidget(m_pCorner, 0, 1);
    grid->addWidget(m_pHorzRuler, 0, 2);
    grid->addWidget(m_pTabView, 1, 0);
    grid->addWidget(m_pVertRuler, 1, 1);
    grid->addWidget(m_pView, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);

    connect(m_pView, &COstrelsView::statusText, this, &CChildFrame::statusText);
    connect(m_pView, &COstrelsView::zoomChanged, this, [this](float fZoom) {
        m_pHorzRuler->SetRulerZoom(CRulerView::kHorizontal, fZoom);
        m_pVertRuler->SetRulerZoom(CRulerView::kVertical, fZoom);
        Q_EMIT commandStateChanged();
    });
    connect(m_pView, &COstrelsView::scrolled, this, [this](int dx, int dy) {
        if (dx != 0)
            m_pHorzRuler->SetRulerZoom(CRulerView::kHorizontal, m_pView->m_fZoom);
        if (dy != 0)
            m_pVertRuler->SetRulerZoom(CRulerView::kVertical, m_pView->m_fZoom);
    });
    connect(m_pView, &COstrelsView::pointerMoved, this, [this](QPoint pt) {
        m_pHorzRuler->ShowMarker(pt.x(), pt.y(), CRulerView::kHorizontal, false);
        m_pVertRuler->ShowMarker(pt.x(), pt.y(), CRulerView::kVertical, false);
    });
    connect(m_pView, &COstrelsView::pointerReleased, this, [this](QPoint pt) {
        m_pHorzRuler->ShowMarker(pt.x(), pt.y(), CRulerView::kHorizontal, true);
        m_pVertRuler->ShowMarker(pt.x(), pt.y(), CRulerView::kVertical, true);
    });
    connect(m_pTabView, &CTabView::sideClicked, this, &CChildFrame::OnSideClicked);
    for (auto* pane : {m_pHorzRuler, m_pVertRuler})
        connect(pane, &CRulerView::activated, this, &CChildFrame::ActivateView);
    connect(m_pSideLabel, &CParentView00::activated, this, &CChildFrame::ActivateView);
    connect(m_pCorner, &CParentView::activated, this, &CChildFrame::ActivateView);
    connect(m_pDoc, &COstrelsDoc::updateAllViews, this, &CChildFrame::OnDocumentUpdate);
    connect(m_pDoc, &COstrelsDoc::titleChanged, this, &QWidget::setWindowTitle);

    setWindowTitle(m_pDoc->GetTitle());
    OnDocumentUpdate();
    m_pView->setFocus();
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::ActivateView() { m_pView->setFocus(Qt::MouseFocusReason); }

void CChildFrame::OnSideClicked(int nSide)
{
    m_pView->SetSide(nSide);
    m_pSideLabel->SetSideLabel(m_pDoc->m_nCurrentSide);
    ActivateView();
    Q_EMIT commandStateChanged();
}

void CChildFrame::OnDocumentUpdate()
{
    // Every pane shows the document: the tabs and the label follow the side
    // shown, which goes back to the front when the back side is removed.
    m_pTabView->SetSideShown(m_pDoc->m_nCurrentSide);
    m_pSideLabel->SetSideLabel(m_pDoc->m_nCurrentSide);
    m_pHorzRuler->update();
    m_pVertRuler->update();
    m_pCorner->update();
}

bool CChildFrame::OnCommand(int nId) { return m_pView->OnCommand(nId); }

bool CChildFrame::OnUpdateCommand(int nId, CCommandUI& ui) { return m_pView->OnUpdateCommand(nId, ui); }

void CChildFrame::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    for (const QWidget* pane : std::initializer_list<const QWidget*>{m_pSideLabel, m_pCorner, m_pHorzRuler, m_pTabView,
                                                                      m_pVertRuler, m_pView}) {
        const QRect rc = pane->geometry().adjusted(-kPaneBorder, -kPaneBorder, kPaneBorder, kPaneBorder);
        dc.fillRect(rc.left(), rc.top(), rc.width(), 1, shadow);
        dc.fillRect(rc.left(), rc.top(), 1, rc.height(), shadow);
        dc.fillRect(rc.left() + 1, rc.bottom(), rc.width() - 1, 1, highlight);
        dc.fillRect(rc.right(), rc.top() + 1, 1, rc.height() - 1, highlight);
    }
}
