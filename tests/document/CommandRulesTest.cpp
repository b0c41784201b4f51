#include "document/COstrelsDoc.h"
#include "document/CommandIds.h"
#include "document/CommandRules.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"

#include <gtest/gtest.h>
#include <functional>

namespace {
CElement* AddRect(COstrelsDoc& doc, bool bSelect)
{
    doc.m_elements.push_back(std::make_unique<CRectangle>(QPoint(60, 60), QPoint(100, 100)));
    CElement* p = doc.m_elements.back().get();
    if (bSelect)
        doc.m_selection.push_back(p);
    return p;
}

void AddBackground(COstrelsDoc& doc, int nSide)
{
    auto bkg = std::make_unique<CBkgImage>(QImage(2, 2, QImage::Format_ARGB32), 350, 200);
    bkg->m_nSide = nSide;
    doc.m_elements.insert(doc.m_elements.begin(), std::move(bkg));
}

using Setup = std::function<void(COstrelsDoc&)>;

void Nothing(COstrelsDoc&) {}
void OneUnselected(COstrelsDoc& d) { AddRect(d, false); }
void OneSelected(COstrelsDoc& d) { AddRect(d, true); }
void TwoSelected(COstrelsDoc& d) { AddRect(d, true); AddRect(d, true); }
void BackOnly(COstrelsDoc& d)
{
    d.m_nSides = 2;
    d.m_nCurrentSide = 2;
    AddBackground(d, 1);
}
void WithUndo(COstrelsDoc& d)
{
    AddRect(d, false);
    d.PushUndoSnapshot();
}
void WithRedo(COstrelsDoc& d)
{
    AddRect(d, false);
    d.m_redo[0] = COstrelsDoc::CloneList(d.m_elements);
}

struct SRuleCase {
    const char* pszName;
    Setup setup;
    int nId;
    bool bEnabled;
    const char* pszText;  // null: the rule leaves the text alone
};

void PrintTo(const SRuleCase& c, std::ostream* os) { *os << c.pszName; }

class CommandRuleTable : public testing::TestWithParam<SRuleCase> {};

TEST_P(CommandRuleTable, GivesEnablingAndText)
{
    const SRuleCase& c = GetParam();
    COstrelsDoc doc;
    c.setup(doc);
    CCommandUI ui;
    UpdateDocumentCommand(doc, c.nId, ui);
    EXPECT_TRUE(ui.bHandled);
    EXPECT_EQ(ui.bEnabled, c.bEnabled);
    EXPECT_EQ(ui.strText, c.pszText ? QString::fromLatin1(c.pszText) : QString());
}

const SRuleCase kRuleCases[] = {
    {"UndoEmpty", Nothing, Cmd::kEditUndo, false, nullptr},
    {"UndoSnapshot", WithUndo, Cmd::kEditUndo, true, nullptr},
    {"RedoEmpty", WithUndo, Cmd::kEditRedo, false, nullptr},
    {"RedoSnapshot", WithRedo, Cmd::kEditRedo, true, nullptr},
    {"CutNothingSelected", OneUnselected, Cmd::kEditCut, false, nullptr},
    {"CopyOneSelected", OneSelected, Cmd::kEditCopy, true, nullptr},
    {"ClearNothingSelected", OneUnselected, Cmd::kClearSelection, false, nullptr},
    {"DuplicateOneSelected", OneSelected, Cmd::kDuplicateSelection, true, nullptr},
    {"SelectAllEmpty", Nothing, Cmd::kSelectAll, false, nullptr},
    {"SelectAllBackSideElementCounts", BackOnly, Cmd::kSelectAll, true, nullptr},
    {"LockAllUnselected", OneUnselected, Cmd::kLockAll, true, nullptr},
    {"UnlockAllEmpty", Nothing, Cmd::kUnlockAll, false, nullptr},
    {"AlignOneSelected", OneSelected, Cmd::kAlignLeft, false, nullptr},
    {"AlignTwoSelected", TwoSelected, Cmd::kAlignMiddle, true, nullptr},
    {"SameSizeOneSelected", OneSelected, Cmd::kSameSize, false, nullptr},
    {"SameWidthTwoSelected", TwoSelected, Cmd::kSameWidth, true, nullptr},
    {"PropertiesOneSelected", OneSelected, Cmd::kProperties, true, nullptr},
    {"PropertiesTwoSelected", TwoSelected, Cmd::kProperties, false, nullptr},
    {"ToFrontNothingSelected", OneUnselected, Cmd::kMoveToFront, false, nullptr},
    {"OneStepBackTwoSelected", TwoSelected, Cmd::kMoveOneBack, false, nullptr},
    {"LockNothingSelected", OneUnselected, Cmd::kLock, false, nullptr},
    {"RotateTwoSelected", TwoSelected, Cmd::kRotateClockwise, true, nullptr},
    {"CentreBothOneSelected", OneSelected, Cmd::kCenterBoth, true, nullptr},
    {"SelectBackgroundWithout", Nothing, Cmd::kSelectBackground, true, "Select Background..."},
    {"InsertBackgroundWithFrontOne", BackOnly, Cmd::kInsertBackground, true, "Change Background..."},
    {"RemoveBackgroundWithout", Nothing, Cmd::kRemoveBackground, false, nullptr},
    // The front's picture counts even while the back is shown.
    {"RemoveBackgroundOnBack", BackOnly, Cmd::kRemoveBackground, true, "Remove Background"},
    {"BackSideOneSide", Nothing, Cmd::kBackSide, true, "Add Back Side of Card"},
    {"BackSideTwoSides", BackOnly, Cmd::kBackSide, true, "Remove Back Side of Card"},
};

INSTANTIATE_TEST_SUITE_P(Rules, CommandRuleTable, testing::ValuesIn(kRuleCases),
                         [](const testing::TestParamInfo<SRuleCase>& info) { return std::string(info.param.pszName); });

TEST(CommandRules, CommandsWithoutADocumentRuleAreLeftToOthers)
{
    COstrelsDoc doc;
    for (const int nId : {Cmd::kEditPaste, Cmd::kZoomIn, Cmd::kFileNew, Cmd::kBold, Cmd::kGrid}) {
        CCommandUI ui;
        UpdateDocumentCommand(doc, nId, ui);
        EXPECT_FALSE(ui.bHandled) << nId;
    }
}

const int kToolIds[] = {Cmd::kToolPointer,     Cmd::kToolLine,         Cmd::kToolRectangle,   Cmd::kToolCircle,
                        Cmd::kToolDiamond,     Cmd::kToolRoundRect,    Cmd::kToolTriangle,    Cmd::kToolFreeform,
                        Cmd::kToolText,        Cmd::kToolClipArt,      Cmd::kToolClosedCurve, Cmd::kToolCalloutLeft,
                        Cmd::kToolCalloutRight, Cmd::kToolSkewedRect,  Cmd::kToolArrowLeft,   Cmd::kToolStar,
                        Cmd::kToolExplosion,   Cmd::kToolMoon,         Cmd::kToolArrowRight,  Cmd::kToolSun};

std::vector<int> CheckedTools(const COstrelsDoc& doc)
{
    std::vector<int> checked;
    for (const int nId : kToolIds) {
        CCommandUI ui;
        UpdateDocumentCommand(doc, nId, ui);
        if (ui.bChecked)
            checked.push_back(nId);
    }
    return checked;
}

TEST(CommandRules, ExactlyOneToolIsCheckedAfterEveryToolCommand)
{
    COstrelsDoc doc;
    EXPECT_EQ(CheckedTools(doc), std::vector<int>{Cmd::kToolPointer});
    for (const int nId : kToolIds) {
        if (nId == Cmd::kToolClipArt)
            continue;
        ASSERT_TRUE(DoDocumentCommand(doc, nId)) << nId;
        EXPECT_EQ(CheckedTools(doc), std::vector<int>{nId});
    }
}

TEST(CommandRules, ToolCommandsSelectTheirTypeCodes)
{
    struct {
        int nId;
        int16_t nTool;
    } const cases[] = {{Cmd::kToolPointer, 100}, {Cmd::kToolLine, 101},        {Cmd::kToolRectangle, 102},
                       {Cmd::kToolDiamond, 105}, {Cmd::kToolFreeform, 114},    {Cmd::kToolClosedCurve, 120},
                       {Cmd::kToolSkewedRect, 205}, {Cmd::kToolExplosion, 208}, {Cmd::kToolArrowRight, 210},
                       {Cmd::kToolSun, 211}};
    COstrelsDoc doc;
    for (const auto& c : cases) {
        DoDocumentCommand(doc, c.nId);
        EXPECT_EQ(doc.m_nTool, c.nTool) << c.nId;
    }
}

TEST(CommandRules, PictureToolIsCheckedWhileItsDialogIsOpen)
{
    COstrelsDoc doc;
    doc.SetTool(116);
    EXPECT_EQ(CheckedTools(doc), std::vector<int>{Cmd::kToolClipArt});
    // Insert Picture runs its own dialog; it is not a plain tool switch.
    EXPECT_FALSE(DoDocumentCommand(doc, Cmd::kToolClipArt));
}

TEST(CommandRules, RemoveBackgroundCommandRemovesTheCurrentSidesPicture)
{
    COstrelsDoc doc;
    AddBackground(doc, 1);
    AddRect(doc, false);
    EXPECT_TRUE(DoDocumentCommand(doc, Cmd::kRemoveBackground));
    ASSERT_EQ(doc.m_elements.size(), 1u);
    EXPECT_FALSE(doc.HasBackground());
    EXPECT_TRUE(doc.IsModified());
}
}  // namespace
