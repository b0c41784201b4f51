#include "ViewTestSupport.h"

#include "app/CDesignSubWindow.h"
#include "app/CMainFrame.h"
#include "app/COstrelsApp.h"
#include "document/CommandIds.h"
#include "elements/CShapes.h"
#include "platform/CPrompt.h"
#include "support/CardFileFixtures.h"
#include "view/StatusReadouts.h"

#include <QAction>
#include <QMdiArea>
#include <gtest/gtest.h>

// Design windows inside the running program: the real main frame, the real
// command routing and card files written by the test.
namespace {
CChildFrame* FrameOf(CDesignSubWindow* pWindow) { return qobject_cast<CChildFrame*>(pWindow->widget()); }

QString Pane(CMainFrame* pMain, int nPane) { return pMain->StatusText(nPane); }

// A card file with one solid red rectangle at canvas (100, 100)-(200, 150).
QString RedRectangleCard(const QString& name)
{
    COstrelsDoc doc;
    auto rect = std::make_unique<CRectangle>(QPoint(100, 100), QPoint(200, 150));
    rect->m_nSide = 1;
    rect->m_nFillPattern = 1;
    rect->m_clrFill = 0xFFFF0000;
    rect->m_nBorderWidth = 0;
    doc.m_elements.push_back(std::move(rect));
    return SaveDesignFixture(doc, name);
}

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
}  // namespace

TEST(DesignWindow, OpenedFileShowsMaximisedAndOpeningItAgainBringsItToTheFront)
{
    CScriptedPrompt prompt;
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame* pMain = app.MainFrame();
    const QString path = RedRectangleCard(QStringLiteral("red.kvzd"));

    COstrelsDoc* pDoc = app.OpenDocumentFile(path);
    ASSERT_NE(pDoc, nullptr);
    CDesignSubWindow* pWindow = pMain->ActiveDesignWindow();
    ASSERT_NE(FrameOf(pWindow), nullptr);
    EXPECT_TRUE(pWindow->isMaximized());
    CTestWindow::Settle();
    const QImage img = FrameOf(pWindow)->GetView()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Rgb(img, 150, 120), 0xFF0000u);
    EXPECT_EQ(Rgb(img, 50, 50), kBlack);

    app.OnFileNew();
    ASSERT_NE(pMain->ActiveDocument(), pDoc);
    EXPECT_EQ(app.OpenDocumentFile(path), pDoc);
    EXPECT_EQ(pMain->ActiveDocument(), pDoc);
    EXPECT_EQ(pMain->DesignWindows().size(), 3);
    EXPECT_TRUE(prompt.Texts().isEmpty());
}

TEST(DesignWindow, ZoomAndGridCommandsRouteToTheActiveDesignWithTheirEnabling)
{
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame* pMain = app.MainFrame();
    COstrelsView* pView = FrameOf(pMain->ActiveDesignWindow())->GetView();

    EXPECT_EQ(Pane(pMain, StatusReadouts::kPaneZoom), QStringLiteral("Zoom:100%"));
    EXPECT_EQ(Pane(pMain, StatusReadouts::kPaneCardSize), QStringLiteral("Card Size: 3.500 x 2.000 inch"));
    pMain->Action(Cmd::kZoomIn)->trigger();
    EXPECT_EQ(pView->m_fZoom, 1.5f);
    EXPECT_EQ(Pane(pMain, StatusReadouts::kPaneZoom), QStringLiteral("Zoom:150%"));

    pMain->Action(Cmd::kZoom300)->trigger();
    EXPECT_FALSE(pMain->Action(Cmd::kZoomIn)->isEnabled());
    EXPECT_TRUE(pMain->Action(Cmd::kZoomOut)->isEnabled());
    pMain->Action(Cmd::kZoom25)->trigger();
    EXPECT_TRUE(pMain->Action(Cmd::kZoomIn)->isEnabled());
    EXPECT_FALSE(pMain->Action(Cmd::kZoomOut)->isEnabled());

    pMain->Action(Cmd::kGrid)->trigger();
    EXPECT_TRUE(pMain->Action(Cmd::kGrid)->isChecked());
    EXPECT_EQ(pView->m_bShowGrid, 1);
}

TEST(DesignWindow, StatusReadoutsFollowTheActiveDesign)
{
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame* pMain = app.MainFrame();
    CDesignSubWindow* pFirst = pMain->ActiveDesignWindow();
    app.OnFileNew();
    CDesignSubWindow* pSecond = pMain->ActiveDesignWindow();
    pSecond->Document()->m_nCardWidthFine = 200000;
    pMain->Action(Cmd::kZoom200)->trigger();
    EXPECT_EQ(Pane(pMain, StatusReadouts::kPaneZoom), QStringLiteral("Zoom:200%"));

    // The first design repaints in the background without taking the bar.
    FrameOf(pFirst)->GetView()->RefreshStatusReadouts();
    EXPECT_EQ(Pane(pMain, StatusReadouts::kPaneZoom), QStringLiteral("Zoom:200%"));

    pMain->ActivateDesignWindow(pFirst);
    EXPECT_EQ(Pane(pMain, StatusReadouts::kPaneZoom), QStringLiteral("Zoom:100%"));
    EXPECT_EQ(Pane(pMain, StatusReadouts::kPaneCardSize), QStringLiteral("Card Size: 3.500 x 2.000 inch"));
    pMain->ActivateDesignWindow(pSecond);
    EXPECT_EQ(Pane(pMain, StatusReadouts::kPaneZoom), QStringLiteral("Zoom:200%"));
    EXPECT_EQ(Pane(pMain, StatusReadouts::kPaneCardSize), QStringLiteral("Card Size: 2.000 x 2.000 inch"));
}

TEST(DesignWindow, ClosingAModifiedDesignAsksOnce)
{
    CScriptedPrompt prompt;
    COstrelsApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame* pMain = app.MainFrame();
    COstrelsDoc* pDoc = pMain->ActiveDocument();
    pDoc->SetModifiedFlag();
    const QString question = QStringLiteral("Save changes to %1?").arg(pDoc->GetTitle());

    prompt.Answer(CPrompt::IdCancel);
    pMain->Action(Cmd::kFileClose)->trigger();
    EXPECT_EQ(prompt.Texts(), QStringList{question});
    EXPECT_EQ(pMain->DesignWindows().size(), 1);

    prompt.Answer(CPrompt::IdNo);
    pMain->Action(Cmd::kFileClose)->trigger();
    EXPECT_EQ(prompt.Texts(), (QStringList{question, question}));
    EXPECT_TRUE(pMain->DesignWindows().isEmpty());
    FlushDeletes();
}
