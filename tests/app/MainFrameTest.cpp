#include "app/CDesignSubWindow.h"
#include "app/CMainFrame.h"
#include "app/CommandTable.h"
#include "app/MenuLayout.h"
#include "document/COstrelsDoc.h"
#include "document/CommandIds.h"
#include "elements/CShapes.h"
#include "platform/CPrompt.h"
#include "platform/CSettings.h"
#include "platform/SettingNames.h"
#include "properties/CModelessPropSheet.h"
#include "properties/CPropBlank.h"
#include "properties/CPropertiesBar.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <gtest/gtest.h>
#include <set>

namespace {
std::unique_ptr<COstrelsDoc> NewDoc(const QString& title)
{
    auto pDoc = std::make_unique<COstrelsDoc>();
    pDoc->SetTitle(title);
    return pDoc;
}

QStringList TopMenuTitles(CMainFrame& frame)
{
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

QMenu* TopMenu(CMainFrame& frame, const QString& title)
{
    for (QAction* a : frame.menuBar()->actions())
        if (a->text() == title)
            return a->menu();
    return nullptr;
}

// Item texts of a popup, "-" for separators, "Title>" for submenus.
QStringList ItemTexts(const QMenu* pMenu)
{
    QStringList texts;
    for (QAction* a : pMenu->actions()) {
        if (a->isSeparator())
            texts << QStringLiteral("-");
        else if (a->menu())
            texts << a->text() + QLatin1Char('>');
        else if (a->isVisible())
            texts << a->text();
    }
    return texts;
}

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

TEST(MainFrameMenus, SwapBetweenNoDesignAndDesignMenus)
{
    CMainFrame frame;
    EXPECT_EQ(frame.CurrentMenu(), kMenuNoDesign);
    EXPECT_EQ(TopMenuTitles(frame), (QStringList{"&File", "&View", "&Help"}));

    CDesignSubWindow* pWindow = frame.AddDesignWindow(NewDoc(QStringLiteral("Untitled1")));
    EXPECT_EQ(frame.CurrentMenu(), kMenuDesign);
    EXPECT_EQ(TopMenuTitles(frame), (QStringList{"&File", "&Edit", "&View", "&Insert", "&Tools", "&Window", "&Help"}));

    pWindow->close();
    EXPECT_EQ(frame.CurrentMenu(), kMenuNoDesign);
    FlushDeletes();
    EXPECT_TRUE(frame.DesignWindows().isEmpty());
    EXPECT_EQ(TopMenuTitles(frame), (QStringList{"&File", "&View", "&Help"}));
}

TEST(MainFrameMenus, FileMenusListTheirItemsInOrder)
{
    CMainFrame frame;
    EXPECT_EQ(ItemTexts(TopMenu(frame, "&File")),
              (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "-", "Explore Samples...", "-", "P&rint Setup...", "-",
                           "Recent File", "-", "E&xit"}));
    EXPECT_FALSE(frame.Action(Cmd::kFileMru1)->isEnabled());

    frame.AddDesignWindow(NewDoc(QStringLiteral("Untitled1")));
    EXPECT_EQ(ItemTexts(TopMenu(frame, "&File")),
              (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Close", "-", "&Explore Samples...", "-",
                           "&Save\tCtrl+S", "Save &As...", "Save As &Image...\tCtrl + I", "Save As &Template...", "-",
                           "&Print...\tCtrl+P", "Print Pre&view...", "P&rint Setup...", "-", "Recent File", "-",
                           "E&xit"}));
    EXPECT_EQ(ItemTexts(TopMenu(frame, "&Tools")),
              (QStringList{"&Rotate>", "Group &Align>", "Group Re&size>", "-", "Mo&ve To>", "-", "&Lock", "&Unlock",
                           "-", "Lo&ck All", "U&nlock All", "-", "&Text Font>", "-", "&Options..."}));
}

TEST(MainFrameMenus, AcceleratorsIncludeTheAlternateKeys)
{
    CMainFrame frame;
    struct {
        int nId;
        QList<QKeySequence> keys;
    } const cases[] = {
        {Cmd::kEditCopy, {QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}},
        {Cmd::kEditCut, {QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")}},
        {Cmd::kEditPaste, {QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")}},
        {Cmd::kEditUndo, {QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}},
        {Cmd::kZoomIn, {QKeySequence("Ctrl+=")}},
        {Cmd::kZoomOut, {QKeySequence("Ctrl+-")}},
        {Cmd::kHelpContents, {QKeySequence("F1")}},
        {Cmd::kSaveAsImage, {QKeySequence("Ctrl+I")}},
        {Cmd::kSelectAll, {}},  // the design view's own key
    };
    for (const auto& c : cases)
        EXPECT_EQ(frame.Action(c.nId)->shortcuts(), c.keys) << c.nId;
}

TEST(MainFrameMenus, EveryCommandOfTheMenusAndToolbarsHasOneRow)
{
    std::set<int> ids;
    for (const SCommandInfo& info : CommandTable())
        EXPECT_TRUE(ids.insert(info.nId).second) << "twice: " << info.nId;
    std::vector<SMenuItem> pending = MenuLayout(kMenuNoDesign);
    for (SMenuItem& item : MenuLayout(kMenuDesign))
        pending.push_back(item);
    while (!pending.empty()) {
        SMenuItem item = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), item.items.begin(), item.items.end());
        if (item.kind == SMenuItem::Command) {
            EXPECT_TRUE(ids.count(item.nId)) << item.nId;
        }
    }
    for (const SToolBarLayout& bar : ToolBarLayouts())
        for (const int nId : bar.buttons)
            EXPECT_TRUE(nId == 0 || ids.count(nId)) << nId;
}

TEST(MainFrameToolBars, FiveBarsInTheDefaultLayout)
{
    CMainFrame frame;
    struct {
        int nBarId;
        const char* pszName;
        Qt::ToolBarArea area;
    } const cases[] = {
        {Cmd::kViewStandardBar, "Standard", Qt::TopToolBarArea},  {Cmd::kShapeBarId, "Shapebar", Qt::LeftToolBarArea},
        {Cmd::kMoreShapeBarId, "More Shapebar", Qt::LeftToolBarArea}, {Cmd::kActionsBarId, "Actions", Qt::BottomToolBarArea},
        {Cmd::kFormatBarId, "Formatting", Qt::TopToolBarArea},
    };
    for (const auto& c : cases) {
        QToolBar* pBar = frame.ToolBar(c.nBarId);
        ASSERT_NE(pBar, nullptr) << c.pszName;
        EXPECT_EQ(pBar->windowTitle(), QLatin1String(c.pszName));
        EXPECT_EQ(frame.toolBarArea(pBar), c.area) << c.pszName;
    }
    // Formatting shares the top line with Standard, to its right.
    EXPECT_FALSE(frame.toolBarBreak(frame.ToolBar(Cmd::kFormatBarId)));

    QStringList actions;
    for (QAction* a : frame.ToolBar(Cmd::kActionsBarId)->actions())
        actions << (a->isSeparator() ? QStringLiteral("-") : a->toolTip());
    EXPECT_EQ(actions, (QStringList{"Lock Position", "Unlock Position", "Lock All", "Unlock All", "-",
                                    "Bring to Front", "Send to Back"}));
    EXPECT_EQ(frame.Action(Cmd::kToolRectangle)->statusTip(), QStringLiteral("Draw a Rectangle"));
    EXPECT_EQ(frame.Action(Cmd::kToolRectangle)->toolTip(), QStringLiteral("Rectangle"));
    EXPECT_FALSE(frame.Action(Cmd::kToolRectangle)->icon().isNull());
}

TEST(MainFrameToolBars, ToggleHidesShowsAndRestoresTheDefaultDocking)
{
    CMainFrame frame;
    frame.show();
    QToolBar* pActions = frame.ToolBar(Cmd::kActionsBarId);
    QToolBar* pShapes = frame.ToolBar(Cmd::kShapeBarId);
    frame.addToolBar(Qt::TopToolBarArea, pActions);
    frame.addToolBar(Qt::RightToolBarArea, pShapes);
    frame.UpdateCommandUI();
    EXPECT_TRUE(frame.Action(Cmd::kViewActionsBar)->isChecked());

    frame.Action(Cmd::kViewActionsBar)->trigger();
    EXPECT_TRUE(pActions->isHidden());
    EXPECT_FALSE(frame.Action(Cmd::kViewActionsBar)->isChecked());
    frame.Action(Cmd::kViewActionsBar)->trigger();
    EXPECT_FALSE(pActions->isHidden());
    EXPECT_TRUE(frame.Action(Cmd::kViewActionsBar)->isChecked());
    EXPECT_EQ(frame.toolBarArea(pActions), Qt::BottomToolBarArea);
    EXPECT_EQ(frame.toolBarArea(pShapes), Qt::LeftToolBarArea);

    // The bar's own number toggles it too.
    EXPECT_TRUE(frame.OnCmdMsg(Cmd::kShapeBarId));
    EXPECT_TRUE(pShapes->isHidden());
    EXPECT_FALSE(frame.Action(Cmd::kViewShapesBar)->isChecked());

    frame.Action(Cmd::kViewStatusBar)->trigger();
    EXPECT_TRUE(frame.statusBar()->isHidden());
    EXPECT_FALSE(frame.Action(Cmd::kViewStatusBar)->isChecked());
}

TEST(MainFrameStatusBar, SevenPanesWithTheirTextsAndWidths)
{
    CMainFrame frame;
    const QStringList texts{"Ready", "Card Size", "x,y", "Zoom", "Size", "CAP", "NUM"};
    const int widths[] = {0, 150, 150, 80, 200, 0, 0};
    frame.show();
    for (int i = 0; i < CMainFrame::kPaneCount; ++i) {
        EXPECT_EQ(frame.StatusText(i), texts[i]);
        if (widths[i]) {
            EXPECT_EQ(frame.StatusPane(i)->width(), widths[i]) << i;
        }
    }
    frame.SetStatusText(CMainFrame::kPaneZoom, QStringLiteral("Zoom:150%"));
    EXPECT_EQ(frame.StatusText(CMainFrame::kPaneZoom), QStringLiteral("Zoom:150%"));
    // A long readout is shown whole, not cut at the pane's width.
    frame.resize(1400, 800);
    const QString size = QStringLiteral("Card Size: 8.890 x 5.080 cm");
    frame.SetStatusText(CMainFrame::kPaneCardSize, size);
    QCoreApplication::processEvents();
    QLabel* pPane = frame.StatusPane(CMainFrame::kPaneCardSize);
    EXPECT_GE(pPane->width(), pPane->fontMetrics().horizontalAdvance(size));
    frame.SetStatusText(42, QStringLiteral("ignored"));  // no such pane
}

TEST(MainFrameProperties, BlankPageDockedRightAndClosingHides)
{
    CMainFrame frame;
    frame.show();
    CPropertiesBar* pBar = frame.m_pPropertiesBar;
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->windowTitle(), QStringLiteral("Properties"));
    EXPECT_EQ(frame.dockWidgetArea(pBar), Qt::RightDockWidgetArea);
    CModelessPropSheet* pSheet = pBar->Sheet();
    EXPECT_EQ(pSheet->count(), 1);
    EXPECT_EQ(pSheet->currentWidget(), pSheet->BlankPage());
    EXPECT_FALSE(pSheet->tabBar()->isVisible());
    const auto* pHint = pSheet->BlankPage()->findChild<QLabel*>(QStringLiteral("hint"));
    ASSERT_NE(pHint, nullptr);
    EXPECT_EQ(pHint->text(),
              QStringLiteral("Click on one of your design elements to see and modify its properties here."));
    EXPECT_TRUE(pHint->alignment() & Qt::AlignHCenter);

    pBar->close();
    EXPECT_TRUE(pBar->isHidden());
    EXPECT_EQ(frame.m_pPropertiesBar, pBar);
}

TEST(MainFrameTitle, NameOfTheActiveDesignFollows)
{
    CMainFrame frame;
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Quarvel Kestova "));
    CDesignSubWindow* p1 = frame.AddDesignWindow(NewDoc(QStringLiteral("Untitled1")));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Quarvel Kestova  - Untitled1"));
    EXPECT_EQ(p1->windowTitle(), QStringLiteral("Untitled1"));
    EXPECT_TRUE(p1->isMaximized());
    CDesignSubWindow* p2 = frame.AddDesignWindow(NewDoc(QStringLiteral("Untitled2")));
    p2->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Quarvel Kestova  - Untitled2"));
    p2->Document()->SetPathName(QStringLiteral("/tmp/card.kvzd"));
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Quarvel Kestova  - card.kvzd"));
    EXPECT_EQ(p2->windowTitle(), QStringLiteral("card.kvzd"));
    frame.ActivateDesignWindow(p1);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Quarvel Kestova  - Untitled1"));
}

TEST(MainFrameCommands, DocumentRulesReachTheActions)
{
    CMainFrame frame;
    // Without a design the design commands have nobody to carry them out.
    EXPECT_FALSE(frame.Action(Cmd::kToolRectangle)->isEnabled());
    EXPECT_FALSE(frame.Action(Cmd::kFileSave)->isEnabled());
    EXPECT_TRUE(frame.Action(Cmd::kViewStandardBar)->isEnabled());

    CDesignSubWindow* pWindow = frame.AddDesignWindow(NewDoc(QStringLiteral("Untitled1")));
    COstrelsDoc* pDoc = pWindow->Document();
    EXPECT_TRUE(frame.Action(Cmd::kFileSave)->isEnabled());
    EXPECT_TRUE(frame.Action(Cmd::kToolPointer)->isChecked());
    frame.Action(Cmd::kToolStar)->trigger();
    EXPECT_EQ(pDoc->m_nTool, 207);
    EXPECT_TRUE(frame.Action(Cmd::kToolStar)->isChecked());
    EXPECT_FALSE(frame.Action(Cmd::kToolPointer)->isChecked());

    EXPECT_EQ(frame.Action(Cmd::kBackSide)->text(), QStringLiteral("Add Back Side of Card"));
    frame.Action(Cmd::kBackSide)->trigger();
    EXPECT_EQ(pDoc->m_nSides, 2);
    EXPECT_EQ(frame.Action(Cmd::kBackSide)->text(), QStringLiteral("Remove Back Side of Card"));
    EXPECT_FALSE(frame.Action(Cmd::kRemoveBackground)->isEnabled());

    // A rule may allow a command whose work is not built yet: it stays disabled.
    pDoc->m_elements.push_back(std::make_unique<CRectangle>(QPoint(60, 60), QPoint(90, 90)));
    pDoc->PushUndoSnapshot();
    frame.UpdateCommandUI();
    CCommandUI ui = frame.EvaluateCommand(Cmd::kEditUndo);
    EXPECT_TRUE(ui.bHandled && ui.bEnabled);
    EXPECT_FALSE(frame.Action(Cmd::kEditUndo)->isEnabled());
    EXPECT_FALSE(frame.OnCmdMsg(Cmd::kEditUndo));
}

// A design window that takes every command first.
class CProbeWindow : public QWidget, public ICommandTarget {
public:
    bool OnCommand(int nId) override
    {
        m_received.push_back(nId);
        return nId == Cmd::kToolText;
    }
    bool OnUpdateCommand(int nId, CCommandUI& ui) override
    {
        if (nId != Cmd::kToolText)
            return false;
        ui.Check(true);
        return true;
    }
    std::vector<int> m_received;
};

TEST(MainFrameCommands, DesignWindowGetsCommandsBeforeTheDocument)
{
    CMainFrame frame;
    CDesignSubWindow* pWindow = frame.AddDesignWindow(NewDoc(QStringLiteral("Untitled1")));
    QWidget* pOld = pWindow->widget();
    pWindow->setWidget(nullptr);
    delete pOld;
    auto* pProbe = new CProbeWindow;
    pWindow->setWidget(pProbe);
    frame.UpdateCommandUI();
    EXPECT_TRUE(frame.Action(Cmd::kToolText)->isChecked());
    EXPECT_TRUE(frame.Action(Cmd::kToolPointer)->isChecked());  // the document still answers the others

    frame.Action(Cmd::kToolText)->trigger();
    frame.Action(Cmd::kToolLine)->trigger();
    EXPECT_EQ(pProbe->m_received, (std::vector<int>{Cmd::kToolText, Cmd::kToolLine}));
    EXPECT_EQ(pWindow->Document()->m_nTool, 101);  // the line tool fell through to the document
}

TEST(MainFrameClosing, ModifiedDesignIsOfferedForSavingAndCancelKeepsIt)
{
    CScriptedPrompt prompt;
    CMainFrame frame;
    CDesignSubWindow* pWindow = frame.AddDesignWindow(NewDoc(QStringLiteral("Untitled1")));
    pWindow->Document()->SetModifiedFlag();

    prompt.Answer(CPrompt::IdCancel);
    frame.Action(Cmd::kFileClose)->trigger();
    ASSERT_EQ(prompt.Texts(), QStringList{"Save changes to Untitled1?"});
    EXPECT_EQ(frame.DesignWindows().size(), 1);

    // Closing the frame writes its placement even when the user then cancels.
    frame.setGeometry(100, 120, 600, 400);
    prompt.Answer(CPrompt::IdCancel);
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(frame.DesignWindows().size(), 1);
    EXPECT_EQ(CSettings::ReadInt(QLatin1String(SettingNames::kFrameWidth)), 770);
    EXPECT_EQ(CSettings::ReadInt(QLatin1String(SettingNames::kFrameHeight)), 530);
    EXPECT_EQ(CSettings::ReadInt(QLatin1String(SettingNames::kFrameX)), 100);

    prompt.Answer(CPrompt::IdNo);
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(frame.DesignWindows().isEmpty());
    FlushDeletes();
}

TEST(MainFramePlacement, OpensWhereItWasStored)
{
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameX), 30);
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameY), 40);
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameWidth), 400);
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameHeight), 300);
    CMainFrame frame;
    // The bars may make the window larger than asked, never smaller.
    EXPECT_EQ(frame.geometry().topLeft(), QPoint(30, 40));
    EXPECT_GE(frame.width(), 400);
    EXPECT_GE(frame.height(), 300);
}
}  // namespace

namespace {
TEST(MainFrameWindowMenu, ListsTheOpenDesignsAndActivatesTheChosenOne)
{
    CMainFrame frame;
    CDesignSubWindow* p1 = frame.AddDesignWindow(NewDoc(QStringLiteral("Untitled1")));
    frame.AddDesignWindow(NewDoc(QStringLiteral("R&D")));
    QMenu* pMenu = TopMenu(frame, "&Window");
    ASSERT_NE(pMenu, nullptr);
    Q_EMIT pMenu->aboutToShow();
    EXPECT_EQ(ItemTexts(pMenu), (QStringList{"&Cascade", "&Tile", "&Arrange Icons", "-", "&1 Untitled1", "&2 R&&D"}));
    const QList<QAction*> items = pMenu->actions();
    EXPECT_TRUE(items.last()->isChecked());
    items[items.size() - 2]->trigger();
    EXPECT_EQ(frame.ActiveDesignWindow(), p1);
}
}  // namespace
