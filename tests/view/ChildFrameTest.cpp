#include "ViewTestSupport.h"

#include "document/CommandIds.h"
#include "platform/CPrompt.h"
#include "view/CParentView.h"
#include "view/CRulerView.h"
#include "view/CTabView.h"
#include "view/StatusReadouts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr QPoint kFrontTabPoint(20, 20);
constexpr QPoint kBackTabPoint(20, 70);
constexpr QRgb kStrip = 0xE6E6AA;
}  // namespace

TEST(ChildFrame, SixPanesInTheirSizesAlignedWithTheView)
{
    CTestWindow w({800, 500});
    CChildFrame* f = w.frame.get();
    EXPECT_EQ(f->SideLabel()->size(), QSize(70, 20));
    EXPECT_EQ(f->Corner()->size(), QSize(20, 20));
    EXPECT_EQ(f->HorzRuler()->height(), 20);
    EXPECT_EQ(f->VertRuler()->width(), 20);
    EXPECT_EQ(f->TabView()->width(), 70);
    const QRect view = f->GetView()->geometry();
    EXPECT_EQ(f->HorzRuler()->geometry().left(), view.left());
    EXPECT_EQ(f->HorzRuler()->geometry().right(), view.right());
    EXPECT_EQ(f->VertRuler()->geometry().top(), view.top());
    EXPECT_LT(f->TabView()->geometry().right(), f->VertRuler()->geometry().left());
    EXPECT_GT(view.width(), 600);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Test"));
}

TEST(ChildFrame, TabsSwitchSidesAndSwitchingEmptiesTheSelection)
{
    CTestWindow w({800, 500}, 2);
    CElement* pFront = w.Add({100, 100, 200, 150}, 0xFFFF0000);
    w.doc->m_selection = {pFront};
    CTabView* tabs = w.frame->TabView();

    QTest::mouseClick(tabs, Qt::LeftButton, {}, kFrontTabPoint);  // already shown: keeps the selection
    EXPECT_EQ(w.doc->m_selection.size(), 1u);

    QTest::mouseClick(tabs, Qt::LeftButton, {}, kBackTabPoint);
    EXPECT_EQ(w.doc->m_nCurrentSide, 2);
    EXPECT_TRUE(w.doc->m_selection.empty());
    EXPECT_EQ(w.frame->SideLabel()->m_nSide, 2);
    EXPECT_EQ(tabs->m_nSideShown, 2);

    // The shown tab is framed orange, the other grey.
    const QImage img = tabs->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Rgb(img, 12, 70), 0xFF8000u);
    EXPECT_EQ(Rgb(img, 12, 20), 0xC0C0C0u);

    QTest::mouseClick(tabs, Qt::LeftButton, {}, kFrontTabPoint);
    EXPECT_EQ(w.doc->m_nCurrentSide, 1);
    EXPECT_EQ(w.frame->SideLabel()->m_nSide, 1);
}

TEST(ChildFrame, OneSidedDesignHasNoBackTab)
{
    CTestWindow w({800, 500}, 1);
    CElement* p = w.Add({100, 100, 200, 150}, 0xFFFF0000);
    w.doc->m_selection = {p};
    CTabView* tabs = w.frame->TabView();
    const QImage img = tabs->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Rgb(img, 24, 72), kStrip);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, kBackTabPoint);
    EXPECT_EQ(w.doc->m_nCurrentSide, 1);
    EXPECT_EQ(w.doc->m_selection.size(), 1u);
    // Even asked directly, a one-sided design shows its front.
    w.View()->SetSide(2);
    EXPECT_EQ(w.doc->m_nCurrentSide, 1);
}

TEST(ChildFrame, ResizeButtonIsInertUntilTheCardSizeDialogExists)
{
    CTestWindow w;
    CTabView* tabs = w.frame->TabView();
    EXPECT_FALSE(tabs->IsResizeEnabled());
    QSignalSpy spy(tabs, &CTabView::resizeClicked);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, CTabView::kResizeButton.center());
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(w.doc->m_nCurrentSide, 1);
}

TEST(ChildFrame, RemovingTheBackSideReturnsTabsAndLabelToTheFront)
{
    CScriptedPrompt prompt;
    CTestWindow w({800, 500}, 2);
    w.Add({60, 60, 90, 90}, 0xFF0000FF, 2);
    QTest::mouseClick(w.frame->TabView(), Qt::LeftButton, {}, kBackTabPoint);
    ASSERT_EQ(w.doc->m_nCurrentSide, 2);

    CCommandUI ui;
    ASSERT_TRUE(w.frame->OnUpdateCommand(Cmd::kBackSide, ui));
    EXPECT_EQ(ui.strText, QStringLiteral("Remove Back Side of Card"));
    prompt.Answer(CPrompt::IdYes);
    EXPECT_TRUE(w.frame->OnCommand(Cmd::kBackSide));
    EXPECT_EQ(w.doc->m_nSides, 1);
    EXPECT_EQ(w.frame->TabView()->m_nSideShown, 1);
    EXPECT_EQ(w.frame->SideLabel()->m_nSide, 1);
    EXPECT_TRUE(w.doc->m_elements.empty());
    ui = {};
    w.frame->OnUpdateCommand(Cmd::kBackSide, ui);
    EXPECT_EQ(ui.strText, QStringLiteral("Add Back Side of Card"));
}

TEST(ChildFrame, GridCommandTogglesWithoutSaving)
{
    CTestWindow w;
    COstrelsView* v = w.View();
    ASSERT_EQ(v->m_bShowGrid, 0);
    EXPECT_TRUE(w.frame->OnCommand(Cmd::kGrid));
    CCommandUI ui;
    ASSERT_TRUE(w.frame->OnUpdateCommand(Cmd::kGrid, ui));
    EXPECT_TRUE(ui.bChecked);
    EXPECT_NE(Rgb(w.Grab(), 90, 100), kWhite);  // a grid line at 50 + 40
    // A window opened now starts from the saved options, not this toggle.
    CTestWindow other;
    EXPECT_EQ(other.View()->m_bShowGrid, 0);
}

// --- status readouts ----------------------------------------------------------------

TEST(StatusReadouts, TextsInInchesAndCentimetres)
{
    using namespace StatusReadouts;
    EXPECT_EQ(CardSizeText(350000, 200000, 0), QStringLiteral("Card Size: 3.500 x 2.000 inch"));
    EXPECT_EQ(CardSizeText(350000, 200000, 1), QStringLiteral("Card Size: 8.890 x 5.080 cm"));
    EXPECT_EQ(MouseText(QPoint(50, 50), 0), QStringLiteral("Mouse: 0.00, 0.00 inch"));
    EXPECT_EQ(MouseText(QPoint(40, 45), 0), QStringLiteral("Mouse: -0.10, -0.05 inch"));
    EXPECT_EQ(MouseText(QPoint(150, 50), 1), QStringLiteral("Mouse: 2.54, 0.00 cm"));
    EXPECT_EQ(ZoomText(0.75f), QStringLiteral("Zoom:75%"));

    CSolidBox a({60, 60, 160, 110}, 0);
    CSolidBox b({60, 60, 70, 70}, 0);
    EXPECT_EQ(SelectedObjectText({&a}, 0), QStringLiteral("Selected Object: 1.00 x 0.50 inch"));
    EXPECT_EQ(SelectedObjectText({&a}, 1), QStringLiteral("Selected Object: 2.54 x 1.27 cm"));
    EXPECT_EQ(SelectedObjectText({&a, &b}, 0), QStringLiteral(" "));
    EXPECT_EQ(SelectedObjectText({}, 0), QStringLiteral(" "));
}

TEST(StatusReadouts, ViewWritesThemToTheirPanes)
{
    CTestWindow w({800, 500});
    std::map<int, QString> panes;
    QObject::connect(w.frame.get(), &CChildFrame::statusText, [&](int n, const QString& s) { panes[n] = s; });
    COstrelsView* v = w.View();
    v->m_nUnit = 1;
    v->RefreshStatusReadouts();
    EXPECT_EQ(panes[StatusReadouts::kPaneCardSize], QStringLiteral("Card Size: 8.890 x 5.080 cm"));
    EXPECT_EQ(panes[StatusReadouts::kPaneZoom], QStringLiteral("Zoom:100%"));

    v->m_nUnit = 0;
    CElement* p = w.Add({60, 60, 160, 110}, 0xFFFF0000);
    w.doc->m_selection = {p};
    v->OnCommand(Cmd::kZoom200);
    CTestWindow::Settle();
    // The card's corner is at pixel 100 at 200%.
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 100), QPointF(100, 100), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(v->viewport(), &move);
    EXPECT_EQ(panes[StatusReadouts::kPaneMouse], QStringLiteral("Mouse: 0.00, 0.00 inch"));
    EXPECT_EQ(panes[StatusReadouts::kPaneSelected], QStringLiteral("Selected Object: 1.00 x 0.50 inch"));
}
