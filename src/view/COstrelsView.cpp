#include "view/COstrelsView.h"

#include "document/COstrelsDoc.h"
#include "document/CommandIds.h"
#include "platform/CSettings.h"
#include "platform/SettingNames.h"
#include "view/StatusReadouts.h"

#include <QScrollBar>

namespace {
QString Name(const char* psz) { return QLatin1String(psz); }
}  // namespace

COstrelsView::COstrelsView(COstrelsDoc* pDoc, QWidget* parent) : QAbstractScrollArea(parent), m_pDoc(pDoc)
{
    // The canvas paints every pixel itself: no background erase, so nothing
    // flickers while dragging or zooming.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int nAction) { OnScrollAction(Qt::Horizontal, nAction); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int nAction) { OnScrollAction(Qt::Vertical, nAction); });
    connect(m_pDoc, &COstrelsDoc::updateAllViews, this, &COstrelsView::OnDocumentUpdate);

    LoadViewOptions();
    SetScrollExtent(CanvasPixelSize(), InchHundredthsToPixels({20, 20}), InchHundredthsToPixels({5, 5}));
}

COstrelsView::~COstrelsView() = default;

// --- mapping ---------------------------------------------------------------------

CCanvasMapping COstrelsView::PrepareMapping() const
{
    return CCanvasMapping(m_pDoc->m_nCardWidth, m_pDoc->m_nCardHeight, m_fZoom, ScrollPosition());
}

QPoint COstrelsView::ClientToCanvas(QPoint pt) const { return PrepareMapping().ToCanvas(pt); }
CRect COstrelsView::ClientToCanvas(const CRect& rc) const { return PrepareMapping().ToCanvas(rc); }
QPoint COstrelsView::CanvasToClient(QPoint pt) const { return PrepareMapping().ToClient(pt); }
CRect COstrelsView::CanvasToClient(const CRect& rc) const { return PrepareMapping().ToClient(rc); }

QPoint COstrelsView::ScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

// --- options ---------------------------------------------------------------------

void COstrelsView::LoadViewOptions()
{
    // Without the key, or without its first value, the defaults are written
    // so the next start finds a complete set.
    if (!CSettings::HasOptions()) {
        SaveViewOptions();
        return;
    }
    const auto grid = CSettings::ReadInt(Name(SettingNames::kDisplayGrid));
    if (!grid) {
        SaveViewOptions();
        return;
    }
    m_bShowGrid = *grid != 0 ? 1 : 0;
    m_clrGrid = CSettings::ReadColor(Name(SettingNames::kGridColor)).value_or(m_clrGrid);
    m_nGridType = CSettings::ReadInt(Name(SettingNames::kGridType), m_nGridType);
    m_nUnit = CSettings::ReadInt(Name(SettingNames::kUnitType), m_nUnit);
    m_nGridSize = CSettings::ReadInt(Name(SettingNames::kGridSize), m_nGridSize);
    m_clrShadowOption = CSettings::ReadColor(Name(SettingNames::kShadowColor)).value_or(m_clrShadowOption);
    m_nShadowLengthOption = CSettings::ReadInt(Name(SettingNames::kShadowLength), m_nShadowLengthOption);
}

void COstrelsView::SaveViewOptions()
{
    CSettings::WriteInt(Name(SettingNames::kDisplayGrid), m_bShowGrid ? 1 : 0);
    CSettings::WriteColor(Name(SettingNames::kGridColor), m_clrGrid);
    CSettings::WriteInt(Name(SettingNames::kGridType), m_nGridType);
    CSettings::WriteInt(Name(SettingNames::kUnitType), m_nUnit);
    CSettings::WriteInt(Name(SettingNames::kGridSize), m_nGridSize);
    CSettings::WriteInt(Name(SettingNames::kShowTip), m_bShowTip);
    CSettings::WriteColor(Name(SettingNames::kShadowColor), m_clrShadowOption);
    CSettings::WriteInt(Name(SettingNames::kShadowLength), m_nShadowLengthOption);
}

// --- sides, document updates, readouts ------------------------------------------------

void COstrelsView::SetSide(int nSide)
{
    if (m_pDoc->m_nSides != 2)
        nSide = 1;
    if (nSide == m_pDoc->m_nCurrentSide)
        return;
    // The selection never spans sides: marks of the side left behind go.
    m_pDoc->ClearSelection();
    m_pDoc->m_nCurrentSide = nSide;
    viewport()->update();
}

void COstrelsView::OnDocumentUpdate()
{
    // A card size change alters the canvas: keep all of it reachable.
    if (CanvasPixelSize().width() > m_szExtent.width() || CanvasPixelSize().height() > m_szExtent.height())
        SetScrollExtent(m_szExtent.expandedTo(CanvasPixelSize()), m_szPage, m_szLine);
    viewport()->update();
    RefreshStatusReadouts();
}

void COstrelsView::RefreshStatusReadouts()
{
    Q_EMIT statusText(StatusReadouts::kPaneZoom, StatusReadouts::ZoomText(m_fZoom));
    Q_EMIT statusText(StatusReadouts::kPaneCardSize,
                      StatusReadouts::CardSizeText(m_pDoc->m_nCardWidthFine, m_pDoc->m_nCardHeightFine, m_nUnit));
}

void COstrelsView::showEvent(QShowEvent* e)
{
    QAbstractScrollArea::showEvent(e);
    if (!m_bShownOnce) {
        // Elements drawn in this design take the shadow of the options.
        m_bShownOnce = true;
        m_pDoc->m_clrShadowDefault = m_clrShadowOption;
        m_pDoc->m_nShadowLengthDefault = m_nShadowLengthOption;
    }
    RefreshStatusReadouts();
}

// --- commands ----------------------------------------------------------------------------

namespace {
struct CZoomCommand {
    int nId;
    float fZoom;
};
constexpr CZoomCommand kZoomCommands[] = {
    {Cmd::kZoom25, 0.25f}, {Cmd::kZoom50, 0.5f},  {Cmd::kZoom75, 0.75f}, {Cmd::kZoom100, 1.0f},
    {Cmd::kZoom150, 1.5f}, {Cmd::kZoom200, 2.0f}, {Cmd::kZoom300, 3.0f},
};
}  // namespace

bool COstrelsView::OnCommand(int nId)
{
    for (const auto& z : kZoomCommands)
        if (z.nId == nId) {
            SetZoom(z.fZoom);
            return true;
        }
    switch (nId) {
    case Cmd::kZoomIn:
        ZoomIn();
        return true;
    case Cmd::kZoomOut:
        ZoomOut();
        return true;
    case Cmd::kGrid:
        // Not saved: the settings change only through the Options command.
        m_bShowGrid = m_bShowGrid ? 0 : 1;
        viewport()->update();
        return true;
    case Cmd::kBackSide:
        m_pDoc->ToggleBackSide();
        return true;
    default:
        return false;
    }
}

bool COstrelsView::OnUpdateCommand(int nId, CCommandUI& ui)
{
    for (const auto& z : kZoomCommands)
        if (z.nId == nId) {
            ui.Enable(true);
            return true;
        }
    switch (nId) {
    case Cmd::kZoomIn:
        ui.Enable(m_fZoom < kMaxZoom);
        return true;
    case Cmd::kZoomOut:
        ui.Enable(m_fZoom > kMinZoom);
        return true;
    case Cmd::kGrid:
        ui.Enable(true);
        ui.Check(m_bShowGrid != 0);
        return true;
    case Cmd::kBackSide:
        ui.Enable(true);
        ui.SetText(m_pDoc->m_nSides == 1 ? QStringLiteral("Add Back Side of Card")
                                         : QStringLiteral("Remove Back Side of Card"));
        return true;
    default:
        return false;
    }
}
