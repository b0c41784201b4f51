// The frame's menus, toolbars, status bar and Properties panel.
#include "app/CDesignSubWindow.h"
#include "app/CMainFrame.h"
#include "app/CommandTable.h"
#include "app/MenuLayout.h"
#include "document/COstrelsDoc.h"
#include "document/CommandIds.h"
#include "properties/CPropertiesBar.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {
struct SStatusPane {
    int nIndicator;
    const char* pszText;
    int nWidth;  // at least this wide; 0: as wide as its text
};

constexpr SStatusPane kStatusPanes[] = {
    {0, "Ready", 0},        // the idle prompt; stretches
    {165, "Card Size", 150},
    {130, "x,y", 150},
    {259, "Zoom", 80},
    {59141, "Size", 200},
    {59137, "CAP", 0},
    {59138, "NUM", 0},
};

// Which bar each toggle command shows or hides (menu number and bar number alike).
struct SBarToggle {
    int nId;
    int nBarId;
};

constexpr SBarToggle kBarToggles[] = {
    {Cmd::kViewStandardBar, Cmd::kViewStandardBar},
    {Cmd::kStandardBarResource, Cmd::kViewStandardBar},
    {Cmd::kViewShapesBar, Cmd::kShapeBarId},
    {Cmd::kShapeBarId, Cmd::kShapeBarId},
    {Cmd::kViewFormattingBar, Cmd::kFormatBarId},
    {Cmd::kFormatBarId, Cmd::kFormatBarId},
    {Cmd::kViewActionsBar, Cmd::kActionsBarId},
    {Cmd::kActionsBarId, Cmd::kActionsBarId},
};

QIcon CommandIcon(const SCommandInfo& info)
{
    if (!info.pszIcon)
        return {};
    const QString name = QString::fromLatin1(info.pszIcon);
    if (name.startsWith(QLatin1Char(':')))
        return QIcon(name);
    return QIcon::fromTheme(name);
}

// Desktops without an icon theme of their own still get the standard pictures.
void UseFallbackIconTheme()
{
    static const bool bDone = [] {
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
        return true;
    }();
    (void)bDone;
}
}  // namespace

void CMainFrame::CreateActions()
{
    UseFallbackIconTheme();
    for (const SCommandInfo& info : CommandTable()) {
        auto* pAction = new QAction(this);
        const QString text = QString::fromUtf8(info.pszMenuText);
        pAction->setText(text);
        pAction->setStatusTip(QString::fromUtf8(info.pszPrompt));
        pAction->setToolTip(QString::fromUtf8(info.pszTip));
        pAction->setIconText(QString::fromUtf8(info.pszTip));
        pAction->setIcon(CommandIcon(info));
        pAction->setCheckable(info.bCheckable);
        pAction->setShortcuts(AcceleratorsOf(info.nId));
        pAction->setData(info.nId);
        const int nId = info.nId;
        connect(pAction, &QAction::triggered, this, [this, nId] { OnCmdMsg(nId); });
        m_actions.insert(nId, pAction);
        m_baseTexts.insert(nId, text);
    }
    // Accelerators work whichever menu is shown.
    addActions(m_actions.values());
}

QMenu* CMainFrame::BuildMenu(const SMenuItem& popup, QWidget* parent)
{
    auto* pMenu = new QMenu(popup.strText, parent);
    connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    for (const SMenuItem& item : popup.items) {
        switch (item.kind) {
        case SMenuItem::Separator:
            pMenu->addSeparator();
            break;
        case SMenuItem::Popup:
            pMenu->addMenu(BuildMenu(item, pMenu));
            break;
        case SMenuItem::Command:
            if (QAction* pAction = Action(item.nId))
                pMenu->addAction(pAction);
            break;
        }
    }
    if (popup.strText == QLatin1String(kWindowMenuTitle)) {
        m_pWindowMenu = pMenu;
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::RefreshWindowList);
    }
    return pMenu;
}

void CMainFrame::CreateMenus()
{
    for (const int nMenu : {kMenuNoDesign, kMenuDesign})
        for (const SMenuItem& popup : MenuLayout(nMenu))
            m_menus[nMenu] << BuildMenu(popup, this);
}

void CMainFrame::ShowMenu(int nMenu)
{
    if (m_nCurrentMenu == nMenu)
        return;
    m_nCurrentMenu = nMenu;
    menuBar()->clear();
    for (QMenu* pMenu : m_menus.value(nMenu))
        menuBar()->addAction(pMenu->menuAction());
    // Items whose text differs between the two menus.
    for (const int nOther : {kMenuNoDesign, kMenuDesign}) {
        std::vector<SMenuItem> pending = MenuLayout(nOther);
        while (!pending.empty()) {
            SMenuItem item = std::move(pending.back());
            pending.pop_back();
            for (SMenuItem& child : item.items)
                pending.push_back(std::move(child));
            if (item.kind != SMenuItem::Command || item.strText.isEmpty())
                continue;
            const SCommandInfo* pInfo = FindCommandInfo(item.nId);
            m_baseTexts[item.nId] = nOther == nMenu || !pInfo ? item.strText : QString::fromUtf8(pInfo->pszMenuText);
        }
    }
    UpdateCommandUI();
}

void CMainFrame::CreateToolBars()
{
    for (const SToolBarLayout& layout : ToolBarLayouts()) {
        auto* pBar = new QToolBar(QString::fromLatin1(layout.pszName), this);
        pBar->setObjectName(QString::fromLatin1(layout.pszName));
        pBar->setIconSize(QSize(16, 16));
        pBar->setAllowedAreas(Qt::AllToolBarAreas);
        for (const int nId : layout.buttons) {
            if (nId == 0)
                pBar->addSeparator();
            else if (QAction* pAction = Action(nId))
                pBar->addAction(pAction);
        }
        m_toolBars.insert(layout.nBarId, pBar);
    }
}

void CMainFrame::DockDefaultLayout()
{
    struct SDock {
        int nBarId;
        Qt::ToolBarArea area;
    };
    // In this order, so Formatting lines up to the right of Standard.
    static constexpr SDock kDefault[] = {
        {Cmd::kViewStandardBar, Qt::TopToolBarArea},  {Cmd::kFormatBarId, Qt::TopToolBarArea},
        {Cmd::kShapeBarId, Qt::LeftToolBarArea},      {Cmd::kMoreShapeBarId, Qt::LeftToolBarArea},
        {Cmd::kActionsBarId, Qt::BottomToolBarArea},
    };
    QHash<int, bool> visible;
    for (const SDock& dock : kDefault) {
        QToolBar* pBar = m_toolBars.value(dock.nBarId);
        visible[dock.nBarId] = pBar->isHidden() ? false : true;
        removeToolBar(pBar);
    }
    for (const SDock& dock : kDefault) {
        QToolBar* pBar = m_toolBars.value(dock.nBarId);
        addToolBar(dock.area, pBar);
        pBar->setVisible(visible.value(dock.nBarId));
    }
}

int CMainFrame::BarOfToggle(int nId) const
{
    for (const SBarToggle& t : kBarToggles)
        if (t.nId == nId)
            return t.nBarId;
    return 0;
}

void CMainFrame::ToggleBar(int nBarId)
{
    QToolBar* pBar = m_toolBars.value(nBarId);
    if (!pBar)
        return;
    pBar->setVisible(pBar->isHidden());
    DockDefaultLayout();
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* pBar = statusBar();
    pBar->setObjectName(QStringLiteral("StatusBar"));
    for (const SStatusPane& pane : kStatusPanes) {
        auto* pLabel = new QLabel(QString::fromLatin1(pane.pszText), pBar);
        pLabel->setProperty("indicator", pane.nIndicator);
        // A readout longer than its pane (a card size in centimetres) widens
        // the pane rather than being cut off.
        if (pane.nWidth > 0)
            pLabel->setMinimumWidth(pane.nWidth);
        if (m_panes.isEmpty()) {
            pBar->addWidget(pLabel, 1);
        } else {
            pLabel->setFrameShape(QFrame::Panel);
            pLabel->setFrameShadow(QFrame::Sunken);
            pBar->addPermanentWidget(pLabel);
        }
        m_panes << pLabel;
    }
    // The lock-key states cannot be read portably; the indicators are shown dimmed.
    m_panes[kPaneCaps]->setEnabled(false);
    m_panes[kPaneNum]->setEnabled(false);
}

void CMainFrame::CreatePropertiesBar()
{
    m_pPropertiesBar = new CPropertiesBar(this);
    addDockWidget(Qt::RightDockWidgetArea, m_pPropertiesBar);
    resizeDocks({m_pPropertiesBar}, {CPropertiesBar::kDockedSideSize.width()}, Qt::Horizontal);
}

void CMainFrame::RefreshWindowList()
{
    if (!m_pWindowMenu)
        return;
    for (QAction* pAction : m_windowListActions) {
        m_pWindowMenu->removeAction(pAction);
        delete pAction;
    }
    m_windowListActions.clear();
    const QList<CDesignSubWindow*> windows = DesignWindows();
    if (windows.isEmpty())
        return;
    m_windowListActions << m_pWindowMenu->addSeparator();
    const CDesignSubWindow* pActive = ActiveDesignWindow();
    int n = 0;
    for (CDesignSubWindow* pWindow : windows) {
        QString title = pWindow->Document()->GetTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* pAction = m_pWindowMenu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(title));
        pAction->setCheckable(true);
        pAction->setChecked(pWindow == pActive);
        connect(pAction, &QAction::triggered, this, [this, p = QPointer<CDesignSubWindow>(pWindow)] {
            if (p)
                ActivateDesignWindow(p);
        });
        m_windowListActions << pAction;
    }
}

void CMainFrame::ArrangeMinimised()
{
    // Minimised windows line up along the bottom edge, left to right.
    int x = 0;
    const int nBottom = m_pMdiArea->viewport()->height();
    for (CDesignSubWindow* pWindow : DesignWindows()) {
        if (!pWindow->isMinimized())
            continue;
        const QSize size = pWindow->size();
        pWindow->move(x, nBottom - size.height());
        x += size.width();
    }
}
