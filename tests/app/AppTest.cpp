#include "app/CAboutDlg.h"
#include "app/CDesignSubWindow.h"
#include "app/CMainFrame.h"
#include "app/COstrelsApp.h"
#include "app/CRecentFileList.h"
#include "dialogs/CLabel.h"
#include "document/COstrelsDoc.h"
#include "document/CommandIds.h"
#include "platform/CAppState.h"
#include "platform/CFileChooser.h"
#include "platform/CPrompt.h"
#include "platform/CSettings.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QDesktopServices>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

// Records what the program asks the desktop to open instead of opening it.
class CUrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit CUrlRecorder(const QString& scheme) : m_scheme(scheme)
    {
        QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~CUrlRecorder() override { QDesktopServices::unsetUrlHandler(m_scheme); }
    QList<QUrl> m_urls;

public Q_SLOTS:
    void Open(const QUrl& url) { m_urls << url; }

private:
    QString m_scheme;
};

namespace {
QString MakeFile(const QString& name)
{
    const QString path = CurrentTestEnvironment().Path(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    return path;
}

TEST(AppStartUp, NoArgumentsStartsANewDesignInTheVisibleFrame)
{
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame* pFrame = app.MainFrame();
    EXPECT_TRUE(pFrame->isVisible());
    ASSERT_EQ(pFrame->DesignWindows().size(), 1);
    const QString title = pFrame->ActiveDocument()->GetTitle();
    EXPECT_TRUE(title.startsWith(QStringLiteral("Untitled")));
    EXPECT_EQ(pFrame->windowTitle(), QStringLiteral("Quarvel Kestova  - ") + title);
    EXPECT_FALSE(pFrame->ActiveDocument()->IsModified());

    // Each New numbers its design one higher.
    pFrame->Action(Cmd::kFileNew)->trigger();
    const int n = title.mid(8).toInt();
    EXPECT_EQ(pFrame->ActiveDocument()->GetTitle(), QStringLiteral("Untitled%1").arg(n + 1));
    EXPECT_EQ(CAppState::Instance().m_strPictureFolder, CurrentTestEnvironment().Path("Graphics"));
    EXPECT_EQ(CAppState::Instance().m_strBackgroundFolder, CurrentTestEnvironment().Path("Backgrounds"));
}

TEST(AppStartUp, AFileThatCannotBeReadEndsTheProgramAfterTheReadersMessage)
{
    CScriptedPrompt prompt;
    COstrelsApp app;
    EXPECT_FALSE(app.InitInstance({QStringLiteral("-style=fusion"), CurrentTestEnvironment().Path("missing.kvzd")}));
    EXPECT_EQ(prompt.Texts().size(), 1);
    EXPECT_TRUE(app.MainFrame()->DesignWindows().isEmpty());
}

TEST(AppOpen, DialogStartsInTheDesignFolderAndRemembersTheChoice)
{
    CScriptedPrompt prompt;
    CScriptedFileChooser chooser;
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CAppState::Instance().m_strDesignFolder = CurrentTestEnvironment().Folder();

    chooser.Answer({});  // Cancel
    app.MainFrame()->Action(Cmd::kFileOpen)->trigger();
    const QString chosen = MakeFile(QStringLiteral("card.kvzd"));
    chooser.Answer(chosen);
    app.MainFrame()->Action(Cmd::kFileOpen)->trigger();

    ASSERT_EQ(chooser.Requests().size(), 2u);
    const CFileRequest& r = chooser.Requests()[0];
    EXPECT_EQ(r.kind, CFileRequest::Open);
    EXPECT_EQ(r.strFilter, QStringLiteral("Business Cards Files (*.kvzd)|*.kvzd; |All Files (*.*)|*.*|"));
    EXPECT_EQ(r.strStartPath, CurrentTestEnvironment().Folder());
    EXPECT_EQ(CAppState::Instance().m_strDesignFolder, chosen);
}

TEST(AppOpen, ExploreSamplesStartsInSamplesAndKeepsTheDesignFolder)
{
    CScriptedFileChooser chooser;
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CAppState::Instance().m_strDesignFolder = QStringLiteral("/somewhere/else.kvzd");
    app.MainFrame()->Action(Cmd::kExploreSamples)->trigger();
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_EQ(chooser.Requests()[0].strStartPath, CurrentTestEnvironment().Path("Samples"));
    EXPECT_EQ(chooser.Requests()[0].strFilter, QStringLiteral("Business Card Files (*.kvzd)|*.kvzd||"));
    EXPECT_EQ(CAppState::Instance().m_strDesignFolder, QStringLiteral("/somewhere/else.kvzd"));
}

TEST(AppOpen, AnAlreadyOpenDesignIsBroughtToTheFront)
{
    CScriptedPrompt prompt;
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame* pFrame = app.MainFrame();
    const QString path = MakeFile(QStringLiteral("open.kvzd"));
    COstrelsDoc* pFirst = pFrame->ActiveDocument();
    pFirst->SetPathName(path);
    app.OnFileNew();
    ASSERT_NE(pFrame->ActiveDocument(), pFirst);

    // Another spelling of the same path finds the same window.
    const QString other = CurrentTestEnvironment().Folder() + QStringLiteral("/./open.kvzd");
    EXPECT_EQ(app.OpenDocumentFile(other), pFirst);
    EXPECT_EQ(pFrame->ActiveDocument(), pFirst);
    EXPECT_EQ(pFrame->DesignWindows().size(), 2);
    EXPECT_TRUE(prompt.Texts().isEmpty());
}

TEST(AppSaveAndOpen, SavedDesignReopensAndJoinsTheRecentFiles)
{
    CScriptedPrompt prompt;
    CScriptedFileChooser chooser;
    const QString path = CurrentTestEnvironment().Path("mine.kvzd");
    {
        COstrelsApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CMainFrame* pFrame = app.MainFrame();
        COstrelsDoc* pDoc = pFrame->ActiveDocument();
        pDoc->m_nSides = 2;
        pDoc->SetModifiedFlag();
        chooser.Answer(path);
        pFrame->Action(Cmd::kFileSaveAs)->trigger();
        ASSERT_TRUE(QFileInfo::exists(path));
        EXPECT_FALSE(pDoc->IsModified());
        EXPECT_EQ(pFrame->windowTitle(), QStringLiteral("Quarvel Kestova  - mine.kvzd"));
        EXPECT_EQ(app.RecentFiles().Paths(), QStringList{path});

        // Save of a design that has a file asks nothing.
        pFrame->Action(Cmd::kFileSave)->trigger();
        EXPECT_EQ(chooser.Requests().size(), 1u);
    }
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({path}));
    CMainFrame* pFrame = app.MainFrame();
    ASSERT_EQ(pFrame->DesignWindows().size(), 1);  // no new design beside it
    COstrelsDoc* pDoc = pFrame->ActiveDocument();
    EXPECT_EQ(pDoc->m_nSides, 2);
    EXPECT_EQ(pFrame->Action(Cmd::kFileMru1)->text(), QStringLiteral("&1 ") + CRecentFileList::Abbreviate(path, 30));

    // Opening it again, through the recent files, shows the same window.
    app.OnFileNew();
    pFrame->Action(Cmd::kFileMru1)->trigger();
    EXPECT_EQ(pFrame->ActiveDocument(), pDoc);
    EXPECT_EQ(pFrame->DesignWindows().size(), 2);
    EXPECT_TRUE(prompt.Texts().isEmpty());
}

TEST(AppOpen, DroppedFilesAreOpenedOneByOne)
{
    CMainFrame frame;
    QSignalSpy spy(&frame, &CMainFrame::openFileRequested);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/a/one.kvzd")), QUrl(QStringLiteral("https://x.example/y")),
                  QUrl::fromLocalFile(QStringLiteral("/a/two.kvzd"))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Delivered straight to the frame: offscreen windows are no drop sites.
    static_cast<QObject&>(frame).event(&drop);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[0][0].toString(), QStringLiteral("/a/one.kvzd"));
    EXPECT_EQ(spy[1][0].toString(), QStringLiteral("/a/two.kvzd"));
}

TEST(AppRecentFiles, NeverMoreThanFourNewestFirstAndStoredInTheSettings)
{
    CRecentFileList list;
    for (const char* name : {"/d/a.kvzd", "/d/b.kvzd", "/d/c.kvzd", "/d/d.kvzd", "/d/e.kvzd", "/d/c.kvzd"})
        list.Add(QString::fromLatin1(name));
    const QStringList expected{"/d/c.kvzd", "/d/e.kvzd", "/d/d.kvzd", "/d/b.kvzd"};
    EXPECT_EQ(list.Paths(), expected);

    const auto settings = CSettings::Open();
    settings->beginGroup(QStringLiteral("Recent File List"));
    EXPECT_EQ(settings->childKeys(), (QStringList{"File1", "File2", "File3", "File4"}));
    EXPECT_EQ(settings->value(QStringLiteral("File1")).toString(), QStringLiteral("/d/c.kvzd"));
    settings->endGroup();

    CRecentFileList reloaded;
    reloaded.Load();
    EXPECT_EQ(reloaded.Paths(), expected);
    reloaded.Remove(0);
    reloaded.Load();
    EXPECT_EQ(reloaded.Paths(), expected.mid(1));
}

TEST(AppRecentFiles, MenuTextsAreShortenedToThirtyCharacters)
{
    struct {
        const char* pszPath;
        const char* pszShown;
    } const cases[] = {
        {"/home/ann/card.kvzd", "/home/ann/card.kvzd"},
        {"/home/user/Documents/cards/mycard.kvzd", "/.../cards/mycard.kvzd"},
        {"/home/user/Documents/a-very-long-file-name-here.kvzd", "a-very-long-file-name-here.kvzd"},
        {"/x/a-file-name-of-thirty-one-c.kvzd", "a-file-name-of-thirty-one-c.kvzd"},
    };
    for (const auto& c : cases) {
        const QString shown = CRecentFileList::Abbreviate(QString::fromLatin1(c.pszPath), 30);
        EXPECT_EQ(shown, QString::fromLatin1(c.pszShown));
        if (QString::fromLatin1(c.pszShown).startsWith(QLatin1Char('/'))) {
            EXPECT_LE(shown.size(), 30);
        }
    }
    CRecentFileList list;
    list.Add(QStringLiteral("/d/R&D.kvzd"));
    EXPECT_EQ(list.MenuText(0), QStringLiteral("&1 /d/R&&D.kvzd"));
}

TEST(AppRecentFiles, EntriesShowInTheFileMenuAndAFailedOpenRemovesOne)
{
    CScriptedPrompt prompt;
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame* pFrame = app.MainFrame();
    app.RecentFiles().Add(CurrentTestEnvironment().Path("gone.kvzd"));
    app.RecentFiles().Add(QStringLiteral("/d/kept.kvzd"));
    pFrame->UpdateCommandUI();
    QAction* pFirst = pFrame->Action(Cmd::kFileMru1);
    QAction* pSecond = pFrame->Action(Cmd::kFileMru1 + 1);
    EXPECT_EQ(pFirst->text(), QStringLiteral("&1 /d/kept.kvzd"));
    EXPECT_TRUE(pFirst->isEnabled());
    EXPECT_TRUE(pSecond->isVisible());
    EXPECT_FALSE(pFrame->Action(Cmd::kFileMru1 + 2)->isVisible());
    EXPECT_EQ(pSecond->toolTip(), QStringLiteral("Open this document"));

    pSecond->trigger();
    EXPECT_EQ(prompt.Texts().size(), 1);
    EXPECT_EQ(app.RecentFiles().Paths(), QStringList{"/d/kept.kvzd"});
    EXPECT_FALSE(pSecond->isVisible());
}

TEST(AppHelp, OpensTheHelpFileBesideTheProgram)
{
    CUrlRecorder recorder(QStringLiteral("file"));
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    app.MainFrame()->Action(Cmd::kHelpContents)->trigger();
    ASSERT_EQ(recorder.m_urls.size(), 1);
    EXPECT_EQ(recorder.m_urls[0].toLocalFile(), CurrentTestEnvironment().Path("pelvaneHelp.chm"));
}

TEST(AppAbout, LabelsButtonAndLink)
{
    CUrlRecorder recorder(QStringLiteral("https"));
    CAboutDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("About "));
    struct {
        CLabel* pLabel;
        const char* pszText;
        QColor color;
        int nPoints;
        bool bBold;
    } const cases[] = {
        {dlg.m_pMaker, "Quarvel", QColor(64, 128, 255), 10, true},
        {dlg.m_pProduct, "Kestova", QColor(0, 0, 0), 11, true},
        {dlg.m_pVersion, "Version 2.0", QColor(64, 64, 64), 10, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.pLabel->text(), QString::fromLatin1(c.pszText));
        EXPECT_EQ(c.pLabel->TextColor(), c.color) << c.pszText;
        EXPECT_EQ(c.pLabel->font().pointSize(), c.nPoints) << c.pszText;
        EXPECT_EQ(c.pLabel->font().bold(), c.bBold) << c.pszText;
    }
    EXPECT_EQ(dlg.m_pNotice->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(dlg.m_pNotice->font().pointSize(), 8);
    EXPECT_EQ(dlg.m_pLink->TextColor(), QColor(0, 0, 255));
    EXPECT_TRUE(dlg.m_pLink->font().underline());
    EXPECT_EQ(dlg.m_pLink->cursor().shape(), Qt::PointingHandCursor);
    ASSERT_NE(dlg.findChild<QPushButton*>(), nullptr);
    EXPECT_EQ(dlg.findChild<QPushButton*>()->text(), QStringLiteral("&OK"));

    dlg.show();
    QTest::mouseClick(dlg.m_pLink, Qt::LeftButton);
    ASSERT_EQ(recorder.m_urls.size(), 1);
    EXPECT_EQ(recorder.m_urls[0], QUrl(QString::fromLatin1(COstrelsApp::kWebAddress)));
}

TEST(AppExit, ClosesTheFrameAfterOfferingToSave)
{
    CScriptedPrompt prompt;
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    app.MainFrame()->ActiveDocument()->SetModifiedFlag();
    prompt.Answer(CPrompt::IdCancel);
    app.MainFrame()->Action(Cmd::kAppExit)->trigger();
    EXPECT_TRUE(app.MainFrame()->isVisible());
    prompt.Answer(CPrompt::IdNo);
    app.MainFrame()->Action(Cmd::kAppExit)->trigger();
    EXPECT_FALSE(app.MainFrame()->isVisible());
    EXPECT_EQ(prompt.Texts().size(), 2);
}
}  // namespace

#include "AppTest.moc"
