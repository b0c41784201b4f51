#pragma once

#include "app/CRecentFileList.h"
#include "app/CommandTarget.h"

#include <QObject>
#include <QStringList>
#include <memory>

class CDesignSubWindow;
class CMainFrame;
class COstrelsDoc;
class QPrinter;

// The application: starts the program, owns the main window and the recent
// files, and carries out the commands that need no open design (New, Open,
// Explore Samples, Print Setup, Help, About, Exit).
class COstrelsApp : public QObject, public ICommandTarget {
    Q_OBJECT
public:
    static const char* const kDesignFilter;
    static const char* const kSamplesFilter;
    static const char* const kHelpFile;
    static const char* const kWebAddress;

    COstrelsApp();
    ~COstrelsApp() override;

    static COstrelsApp* Instance();

    // Start-up: folders, recent files, the main window, then the command line
    // (arguments after the program name): a file opens it, none starts a new
    // design. False when the program should end (the named file could not be read).
    bool InitInstance(const QStringList& arguments);

    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CRecentFileList& RecentFiles() { return m_recentFiles; }

    // New design window with an untitled design; null when the new-design step failed.
    COstrelsDoc* OnFileNew();
    // Opens the design at path, or brings its window to the front when it is
    // already open. Null when it cannot be read (the reader has said why).
    COstrelsDoc* OpenDocumentFile(const QString& path);
    void OnFileOpen();
    void OnExploreSamples();
    void OnOpenRecentFile(int nIndex);
    void OnHelp();
    void OnAppAbout();
    void OnPrintSetup();
    // The printer Print Setup configures; printing starts from its settings.
    QPrinter& Printer();

    bool OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCommandUI& ui) override;

private:
    std::unique_ptr<CMainFrame> m_pMainFrame;
    std::unique_ptr<QPrinter> m_pPrinter;
    CRecentFileList m_recentFiles;
};
