#include "document/CommandRules.h"

#include "document/COstrelsDoc.h"
#include "document/CommandIds.h"
#include "elements/ElementTypes.h"

#include <algorithm>
#include <iterator>

namespace {
struct SToolCommand {
    int nId;
    int16_t nTool;
};

constexpr SToolCommand kToolCommands[] = {
    {Cmd::kToolPointer, ElementType::kPointer},
    {Cmd::kToolLine, ElementType::kLine},
    {Cmd::kToolRectangle, ElementType::kRectangle},
    {Cmd::kToolCircle, ElementType::kCircle},
    {Cmd::kToolDiamond, ElementType::kRhombus},
    {Cmd::kToolRoundRect, ElementType::kRectRound},
    {Cmd::kToolTriangle, ElementType::kTriangle},
    {Cmd::kToolFreeform, ElementType::kFreehandLine},
    {Cmd::kToolText, ElementType::kText},
    {Cmd::kToolClipArt, ElementType::kPicture},  // checked while its dialog is open
    {Cmd::kToolClosedCurve, ElementType::kClosedCurve},
    {Cmd::kToolCalloutLeft, ElementType::kCalloutBL},
    {Cmd::kToolCalloutRight, ElementType::kCalloutBR},
    {Cmd::kToolSkewedRect, ElementType::kParallelogram},
    {Cmd::kToolArrowLeft, ElementType::kArrowLeft},
    {Cmd::kToolStar, ElementType::kStar},
    {Cmd::kToolExplosion, ElementType::kExplosion},
    {Cmd::kToolMoon, ElementType::kMoon},
    {Cmd::kToolArrowRight, ElementType::kArrowRight},
    {Cmd::kToolSun, ElementType::kSun},
};

// How many selected elements a command needs.
enum class ENeed { AnySelected, TwoSelected, OneSelected, AnyElement };

struct SSelectionRule {
    int nId;
    ENeed need;
};

constexpr SSelectionRule kSelectionRules[] = {
    {Cmd::kEditCut, ENeed::AnySelected},
    {Cmd::kEditCopy, ENeed::AnySelected},
    {Cmd::kClearSelection, ENeed::AnySelected},
    {Cmd::kDuplicateSelection, ENeed::AnySelected},
    {Cmd::kSelectAll, ENeed::AnyElement},
    {Cmd::kLockAll, ENeed::AnyElement},
    {Cmd::kUnlockAll, ENeed::AnyElement},
    {Cmd::kAlignLeft, ENeed::TwoSelected},
    {Cmd::kAlignRight, ENeed::TwoSelected},
    {Cmd::kAlignCenter, ENeed::TwoSelected},
    {Cmd::kAlignTop, ENeed::TwoSelected},
    {Cmd::kAlignBottom, ENeed::TwoSelected},
    {Cmd::kAlignMiddle, ENeed::TwoSelected},
    {Cmd::kSameWidth, ENeed::TwoSelected},
    {Cmd::kSameHeight, ENeed::TwoSelected},
    {Cmd::kSameSize, ENeed::TwoSelected},
    {Cmd::kProperties, ENeed::OneSelected},
    {Cmd::kMoveToFront, ENeed::OneSelected},
    {Cmd::kMoveToBack, ENeed::OneSelected},
    {Cmd::kMoveOneFront, ENeed::OneSelected},
    {Cmd::kMoveOneBack, ENeed::OneSelected},
    {Cmd::kLock, ENeed::AnySelected},
    {Cmd::kUnlock, ENeed::AnySelected},
    {Cmd::kRotateClockwise, ENeed::AnySelected},
    {Cmd::kRotateAntiClockwise, ENeed::AnySelected},
    {Cmd::kCenterHorizontally, ENeed::AnySelected},
    {Cmd::kCenterVertically, ENeed::AnySelected},
    {Cmd::kCenterBoth, ENeed::AnySelected},
};

bool Satisfied(const COstrelsDoc& doc, ENeed need)
{
    switch (need) {
    case ENeed::AnySelected:
        return !doc.m_selection.empty();
    case ENeed::TwoSelected:
        return doc.m_selection.size() >= 2;
    case ENeed::OneSelected:
        return doc.m_selection.size() == 1;
    case ENeed::AnyElement:
        return !doc.m_elements.empty();
    }
    return false;
}

template <typename Row>
const Row* FindRow(const Row* first, const Row* last, int nId)
{
    const Row* p = std::find_if(first, last, [nId](const Row& r) { return r.nId == nId; });
    return p == last ? nullptr : p;
}
}  // namespace

int16_t ToolCodeOfCommand(int nId)
{
    const SToolCommand* p = FindRow(std::begin(kToolCommands), std::end(kToolCommands), nId);
    return p ? p->nTool : 0;
}

void UpdateDocumentCommand(const COstrelsDoc& doc, int nId, CCommandUI& ui)
{
    if (const int16_t nTool = ToolCodeOfCommand(nId)) {
        ui.Check(doc.m_nTool == nTool);
        return;
    }
    if (const SSelectionRule* p = FindRow(std::begin(kSelectionRules), std::end(kSelectionRules), nId)) {
        ui.Enable(Satisfied(doc, p->need));
        return;
    }
    switch (nId) {
    case Cmd::kEditUndo:
        ui.Enable(!doc.m_undo[0].empty());
        break;
    case Cmd::kEditRedo:
        ui.Enable(!doc.m_redo[0].empty());
        break;
    case Cmd::kSelectBackground:
    case Cmd::kInsertBackground:
        ui.SetText(doc.HasBackground() ? QStringLiteral("Change Background...") : QStringLiteral("Select Background..."));
        break;
    case Cmd::kRemoveBackground:
        if (doc.HasBackground())
            ui.SetText(QStringLiteral("Remove Background"));
        else
            ui.Enable(false);
        break;
    case Cmd::kBackSide:
        ui.SetText(doc.m_nSides == 1 ? QStringLiteral("Add Back Side of Card") : QStringLiteral("Remove Back Side of Card"));
        break;
    default:
        break;
    }
}

bool DoDocumentCommand(COstrelsDoc& doc, int nId)
{
    // Insert Picture has its own flow (a picture dialog); it is not a plain
    // tool switch.
    if (nId != Cmd::kToolClipArt) {
        if (const int16_t nTool = ToolCodeOfCommand(nId)) {
            doc.SetTool(nTool);
            return true;
        }
    }
    switch (nId) {
    case Cmd::kBackSide:
        doc.ToggleBackSide();
        return true;
    case Cmd::kRemoveBackground:
        if (doc.HasBackground())
            doc.RemoveBackground();
        return true;
    default:
        return false;
    }
}
