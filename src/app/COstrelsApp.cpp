#include "app/COstrelsApp.h"

#include "app/CAboutDlg.h"
#include "app/CDesignSubWindow.h"
#include "app/CMainFrame.h"
#include "document/COstrelsDoc.h"
#include "document/CommandIds.h"
#include "platform/CAppState.h"
#include "platform/CFileChooser.h"
#include "platform/ProgramFolder.h"

#include <QDesktopServices>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QUrl>

const char* const COstrelsApp::kDesignFilter = "Business Cards Files (*.kvzd)|*.kvzd; |All Files (*.*)|*.*|";
const char* const COstrelsApp::kSamplesFilter = "Business Card Files (*.kvzd)|*.kvzd||";
const char* const COstrelsApp::kHelpFile = "pelvaneHelp.chm";
const char* const COstrelsApp::kWebAddress = "https://www.quarvel.example/kestova";

namespace {
COstrelsApp* g_pApp = nullptr;
}

COstrelsApp::COstrelsApp()
{
    if (!g_pApp)
        g_pApp = this;
}

COstrelsApp::~COstrelsApp()
{
    m_pMainFrame.reset();
    if (g_pApp == this)
        g_pApp = nullptr;
}

COstrelsApp* COstrelsApp::Instance() { return g_pApp; }

bool COstrelsApp::InitInstance(const QStringList& arguments)
{
    CAppState::Instance().InitFolders();
    m_recentFiles.Load();

    m_pMainFrame = std::make_unique<CMainFrame>();
    m_pMainFrame->SetAppTarget(this);
    m_pMainFrame->SetRecentFileList(&m_recentFiles);
    connect(m_pMainFrame.get(), &CMainFrame::openFileRequested, this,
            [this](const QString& path) { OpenDocumentFile(path); });
    m_pMainFrame->show();

    // The first argument that is not a switch names a design to open.
    QString file;
    for (const QString& arg : arguments) {
        if (!arg.startsWith(QLatin1Char('-'))) {
            file = arg;
            break;
        }
    }
    if (file.isEmpty())
        return OnFileNew() != nullptr;
    return OpenDocumentFile(file) != nullptr;
}

COstrelsDoc* COstrelsApp::OnFileNew()
{
    auto pDoc = std::make_unique<COstrelsDoc>();
    pDoc->SetTitle(COstrelsDoc::NextUntitledTitle());
    if (!pDoc->OnNewDocument())
        return nullptr;
    COstrelsDoc* pRaw = pDoc.get();
    m_pMainFrame->AddDesignWindow(std::move(pDoc));
    return pRaw;
}

COstrelsDoc* COstrelsApp::OpenDocumentFile(const QString& path)
{
    if (CDesignSubWindow* pOpen = m_pMainFrame->FindDesignWindow(path)) {
        m_pMainFrame->ActivateDesignWindow(pOpen);
        return pOpen->Document();
    }
    auto pDoc = std::make_unique<COstrelsDoc>();
    if (!pDoc->OnOpenDocument(path))
        return nullptr;
    COstrelsDoc* pRaw = pDoc.get();
    m_pMainFrame->AddDesignWindow(std::move(pDoc));
    m_recentFiles.Add(path);
    m_pMainFrame->UpdateCommandUI();
    return pRaw;
}

void COstrelsApp::OnFileOpen()
{
    CFileRequest request;
    request.kind = CFileRequest::Open;
    request.strFilter = QString::fromLatin1(kDesignFilter);
    request.strStartPath = CAppState::Instance().m_strDesignFolder;
    const QString path = CFileChooser::Instance().Choose(request);
    if (path.isEmpty())
        return;
    CAppState::Instance().m_strDesignFolder = path;
    OpenDocumentFile(path);
}

void COstrelsApp::OnExploreSamples()
{
    CFileRequest request;
    request.kind = CFileRequest::Open;
    request.strFilter = QString::fromLatin1(kSamplesFilter);
    request.strStartPath = ProgramFolder::Child(QStringLiteral("Samples"));
    const QString path = CFileChooser::Instance().Choose(request);
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void COstrelsApp::OnOpenRecentFile(int nIndex)
{
    const QString path = m_recentFiles.Paths().value(nIndex);
    if (path.isEmpty())
        return;
    if (!OpenDocumentFile(path))
        m_recentFiles.Remove(m_recentFiles.Paths().indexOf(path));
    m_pMainFrame->UpdateCommandUI();
}

void COstrelsApp::OnHelp()
{
    // Whatever the desktop makes of the help file is all the user gets.
    QDesktopServices::openUrl(QUrl::fromLocalFile(ProgramFolder::Child(QString::fromLatin1(kHelpFile))));
}

void COstrelsApp::OnAppAbout()
{
    CAboutDlg dlg(m_pMainFrame.get());
    dlg.exec();
}

QPrinter& COstrelsApp::Printer()
{
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

void COstrelsApp::OnPrintSetup()
{
    QPageSetupDialog dlg(&Printer(), m_pMainFrame.get());
    dlg.exec();
}

bool COstrelsApp::OnCommand(int nId)
{
    if (nId >= Cmd::kFileMru1 && nId <= Cmd::kFileMruLast) {
        OnOpenRecentFile(nId - Cmd::kFileMru1);
        return true;
    }
    switch (nId) {
    case Cmd::kFileNew:
        OnFileNew();
        return true;
    case Cmd::kFileOpen:
        OnFileOpen();
        return true;
    case Cmd::kExploreSamples:
        OnExploreSamples();
        return true;
    case Cmd::kFilePrintSetup:
        OnPrintSetup();
        return true;
    case Cmd::kHelpContents:
        OnHelp();
        return true;
    case Cmd::kAppAbout:
        OnAppAbout();
        return true;
    case Cmd::kAppExit:
        m_pMainFrame->close();
        return true;
    default:
        return false;
    }
}

bool COstrelsApp::OnUpdateCommand(int nId, CCommandUI& ui)
{
    if (nId >= Cmd::kFileMru1 && nId <= Cmd::kFileMruLast) {
        ui.Enable(nId - Cmd::kFileMru1 < m_recentFiles.Size());
        return true;
    }
    switch (nId) {
    case Cmd::kFileNew:
    case Cmd::kFileOpen:
    case Cmd::kExploreSamples:
    case Cmd::kFilePrintSetup:
    case Cmd::kHelpContents:
    case Cmd::kAppAbout:
    case Cmd::kAppExit:
        ui.Enable(true);
        return true;
    default:
        return false;
    }
}
