#include "app/CMainFrame.h"

#include "app/CDesignSubWindow.h"
#include "app/CRecentFileList.h"
#include "app/CommandTable.h"
#include "app/FramePlacement.h"
#include "app/MenuLayout.h"
#include "document/COstrelsDoc.h"
#include "document/CommandIds.h"
#include "document/CommandRules.h"
#include "platform/CPrompt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QMdiArea>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <exception>

Q_LOGGING_CATEGORY(lcFrame, "kestova.frame")

const char* const CMainFrame::kTitle = "Quarvel Kestova ";

namespace {
CMainFrame* g_pMainFrame = nullptr;

const char* const kUnexpectedError =
    "Unexpected Error occurred... \nPlease close and re-open the application and try again!";

QString NormalisedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}
}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    if (!g_pMainFrame)
        g_pMainFrame = this;
    setObjectName(QStringLiteral("MainFrame"));
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks | QMainWindow::AllowTabbedDocks);

    // The placement is settled before the window first shows.
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    const QSize screen = pScreen ? pScreen->geometry().size() : QSize(1024, 768);
    setGeometry(FramePlacement::Read(screen, screen).Rect());

    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
    DockDefaultLayout();
    CreatePropertiesBar();
    ShowMenu(kMenuNoDesign);
    RefreshTitle();
    UpdateCommandUI();

    // Clicks and keys can change the selection; re-check the commands after them.
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // Design windows go before the bars they may talk to.
    // Closed ones may still wait for their deferred deletion.
    m_designWindows.clear();
    for (CDesignSubWindow* pWindow : findChildren<CDesignSubWindow*>()) {
        disconnect(pWindow, nullptr, this, nullptr);
        delete pWindow;
    }
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
}

CMainFrame* CMainFrame::Get() { return g_pMainFrame; }

// --- status bar -------------------------------------------------------------

void CMainFrame::SetStatusText(int nPane, const QString& text)
{
    QLabel* pPane = m_panes.value(nPane);
    if (!pPane)
        return;
    pPane->setText(text);
    pPane->repaint();
}

QString CMainFrame::StatusText(int nPane) const
{
    const QLabel* pPane = m_panes.value(nPane);
    return pPane ? pPane->text() : QString();
}

// --- design windows -----------------------------------------------------------

CDesignSubWindow* CMainFrame::AddDesignWindow(std::unique_ptr<COstrelsDoc> pDoc)
{
    COstrelsDoc* pRaw = pDoc.get();
    auto* pWindow = new CDesignSubWindow(std::move(pDoc));
    m_designWindows << pWindow;
    connect(pWindow, &CDesignSubWindow::closed, this, [this, pWindow] { OnDesignWindowGone(pWindow); });
    connect(pWindow, &QObject::destroyed, this, [this, pWindow] { OnDesignWindowGone(pWindow); });
    connect(pRaw, &COstrelsDoc::titleChanged, this, &CMainFrame::RefreshTitle);
    connect(pRaw, &COstrelsDoc::savedAs, this, &CMainFrame::NoteSaved);
    connect(pRaw, &COstrelsDoc::updateAllViews, this, &CMainFrame::RequestCommandUIUpdate);
    connect(pRaw, &COstrelsDoc::modifiedChanged, this, &CMainFrame::RequestCommandUIUpdate);
    m_pMdiArea->addSubWindow(pWindow);
    pWindow->showMaximized();
    ActivateDesignWindow(pWindow);
    ShowMenu(kMenuDesign);
    RefreshTitle();
    UpdateCommandUI();
    return pWindow;
}

QList<CDesignSubWindow*> CMainFrame::DesignWindows() const
{
    QList<CDesignSubWindow*> windows;
    for (const QPointer<CDesignSubWindow>& p : m_designWindows)
        if (p && !p->IsClosed())
            windows << p.data();
    return windows;
}

CDesignSubWindow* CMainFrame::ActiveDesignWindow() const
{
    auto* pWindow = qobject_cast<CDesignSubWindow*>(m_pMdiArea->currentSubWindow());
    return pWindow && !pWindow->IsClosed() && m_designWindows.contains(pWindow) ? pWindow : nullptr;
}

COstrelsDoc* CMainFrame::ActiveDocument() const
{
    const CDesignSubWindow* pWindow = ActiveDesignWindow();
    return pWindow ? pWindow->Document() : nullptr;
}

CDesignSubWindow* CMainFrame::FindDesignWindow(const QString& path) const
{
    if (path.isEmpty())
        return nullptr;
    const QString wanted = NormalisedPath(path);
    for (CDesignSubWindow* pWindow : DesignWindows()) {
        const QString own = pWindow->Document()->GetPathName();
        if (!own.isEmpty() && NormalisedPath(own) == wanted)
            return pWindow;
    }
    return nullptr;
}

void CMainFrame::ActivateDesignWindow(CDesignSubWindow* pWindow)
{
    if (!pWindow)
        return;
    if (pWindow->isMinimized())
        pWindow->showNormal();
    m_pMdiArea->setActiveSubWindow(pWindow);
    // Without a focused top-level window Qt may not report the activation.
    OnSubWindowActivated(pWindow);
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow*)
{
    RefreshTitle();
    RequestCommandUIUpdate();
}

void CMainFrame::OnDesignWindowGone(CDesignSubWindow* pWindow)
{
    m_designWindows.removeAll(pWindow);
    m_designWindows.removeAll(nullptr);
    if (DesignWindows().isEmpty())
        ShowMenu(kMenuNoDesign);
    RefreshTitle();
    RequestCommandUIUpdate();
}

QString CMainFrame::ComposeTitle() const
{
    const COstrelsDoc* pDoc = ActiveDocument();
    const QString base = QString::fromLatin1(kTitle);
    return pDoc ? base + QStringLiteral(" - ") + pDoc->GetTitle() : base;
}

void CMainFrame::RefreshTitle()
{
    m_bSettingTitle = true;
    setWindowTitle(ComposeTitle());
    m_bSettingTitle = false;
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // A maximised MDI child rewrites the frame's title in its own style; keep ours.
    if (event->type() == QEvent::WindowTitleChange && m_pMdiArea && !m_bSettingTitle && windowTitle() != ComposeTitle())
        RefreshTitle();
}

void CMainFrame::NoteSaved(const QString& path)
{
    if (m_pRecentFiles)
        m_pRecentFiles->Add(path);
    RequestCommandUIUpdate();
}

void CMainFrame::SetRecentFileList(CRecentFileList* pList)
{
    m_pRecentFiles = pList;
    UpdateCommandUI();
}

// --- routing ------------------------------------------------------------------

ICommandTarget* CMainFrame::ActiveChildTarget() const
{
    const CDesignSubWindow* pWindow = ActiveDesignWindow();
    return pWindow ? dynamic_cast<ICommandTarget*>(pWindow->widget()) : nullptr;
}

CCommandUI CMainFrame::EvaluateCommand(int nId) const
{
    CCommandUI ui;
    if (ICommandTarget* pChild = ActiveChildTarget(); pChild && pChild->OnUpdateCommand(nId, ui))
        return ui;
    ui = CCommandUI{};
    if (const COstrelsDoc* pDoc = ActiveDocument()) {
        UpdateDocumentCommand(*pDoc, nId, ui);
        if (ui.bHandled)
            return ui;
    }
    ui = CCommandUI{};
    if (const_cast<CMainFrame*>(this)->OnUpdateCommand(nId, ui))
        return ui;
    ui = CCommandUI{};
    if (m_pAppTarget && m_pAppTarget->OnUpdateCommand(nId, ui))
        return ui;
    return CCommandUI{};
}

bool CMainFrame::IsCommandEnabled(int nId) const
{
    if (IsCommandPending(nId))
        return false;
    const CCommandUI ui = EvaluateCommand(nId);
    return ui.bHandled && ui.bEnabled;
}

bool CMainFrame::OnCmdMsg(int nId)
{
    if (!IsCommandEnabled(nId))
        return false;
    bool bDone = false;
    try {
        if (ICommandTarget* pChild = ActiveChildTarget(); pChild && pChild->OnCommand(nId))
            bDone = true;
        else if (COstrelsDoc* pDoc = ActiveDocument(); pDoc && DoDocumentCommand(*pDoc, nId))
            bDone = true;
        else if (OnCommand(nId))
            bDone = true;
        else if (m_pAppTarget && m_pAppTarget->OnCommand(nId))
            bDone = true;
        else
            qCWarning(lcFrame) << "command" << nId << "reached no handler";
    } catch (const std::exception& e) {
        qCWarning(lcFrame) << "command" << nId << "failed:" << e.what();
        CPrompt::Instance().Show(QLatin1String(kUnexpectedError), CPrompt::Ok, CPrompt::Error);
    }
    // The frame may be closing down after Exit.
    if (g_pMainFrame == this)
        UpdateCommandUI();
    return bDone;
}

void CMainFrame::RequestCommandUIUpdate()
{
    if (m_bUpdatePending)
        return;
    m_bUpdatePending = true;
    QTimer::singleShot(0, this, &CMainFrame::UpdateCommandUI);
}

void CMainFrame::UpdateCommandUI()
{
    m_bUpdatePending = false;
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it) {
        const int nId = it.key();
        QAction* pAction = it.value();
        const CCommandUI ui = EvaluateCommand(nId);
        pAction->setEnabled(ui.bHandled && ui.bEnabled && !IsCommandPending(nId));
        if (pAction->isCheckable())
            pAction->setChecked(ui.bHandled && ui.bChecked);
        QString text = ui.strText.isEmpty() ? m_baseTexts.value(nId) : ui.strText;
        const int nRecent = nId - Cmd::kFileMru1;
        if (nRecent >= 0 && nRecent < CRecentFileList::kSize) {
            // The first entry doubles as the placeholder while the list is empty.
            const int nCount = m_pRecentFiles ? m_pRecentFiles->Size() : 0;
            pAction->setVisible(nRecent < nCount || nRecent == 0);
            if (nRecent < nCount)
                text = m_pRecentFiles->MenuText(nRecent);
        }
        if (pAction->text() != text)
            pAction->setText(text);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease)
        RequestCommandUIUpdate();
    return QMainWindow::eventFilter(watched, event);
}

// --- the frame's own commands -------------------------------------------------

bool CMainFrame::OnCommand(int nId)
{
    if (const int nBar = BarOfToggle(nId)) {
        ToggleBar(nBar);
        return true;
    }
    CDesignSubWindow* pWindow = ActiveDesignWindow();
    switch (nId) {
    case Cmd::kViewStatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    case Cmd::kFileClose:
        if (pWindow)
            pWindow->close();
        return true;
    case Cmd::kFileSave:
    case Cmd::kFileSaveAs: {
        if (!pWindow)
            return false;
        COstrelsDoc* pDoc = pWindow->Document();
        // A successful save reports itself (savedAs), which updates the recent files.
        pDoc->DoSave(nId == Cmd::kFileSave ? pDoc->GetPathName() : QString(), true);
        return true;
    }
    case Cmd::kWindowCascade:
        m_pMdiArea->cascadeSubWindows();
        return true;
    case Cmd::kWindowTile:
        m_pMdiArea->tileSubWindows();
        return true;
    case Cmd::kWindowArrange:
        ArrangeMinimised();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateCommand(int nId, CCommandUI& ui)
{
    if (const int nBar = BarOfToggle(nId)) {
        const QToolBar* pBar = m_toolBars.value(nBar);
        ui.Check(pBar && pBar->isVisibleTo(this));
        return true;
    }
    switch (nId) {
    case Cmd::kViewStatusBar:
        ui.Check(statusBar()->isVisibleTo(this));
        return true;
    case Cmd::kFileClose:
    case Cmd::kFileSave:
    case Cmd::kFileSaveAs:
    case Cmd::kWindowCascade:
    case Cmd::kWindowTile:
    case Cmd::kWindowArrange:
        ui.Enable(ActiveDesignWindow() != nullptr);
        return true;
    default:
        return false;
    }
}

// --- closing and dropping -----------------------------------------------------

bool CMainFrame::CloseAllDesigns()
{
    for (CDesignSubWindow* pWindow : DesignWindows()) {
        ActivateDesignWindow(pWindow);
        if (!pWindow->close())
            return false;
    }
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The placement is remembered even when closing is then cancelled.
    FramePlacement::Write(FramePlacement::Closing(geometry()));
    if (!CloseAllDesigns()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* pData = event->mimeData();
    if (pData->hasUrls()) {
        for (const QUrl& url : pData->urls()) {
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
        }
    }
    QMainWindow::dragEnterEvent(event);
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            Q_EMIT openFileRequested(url.toLocalFile());
}
