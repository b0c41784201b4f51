#include "app/CommandTable.h"

#include "document/CommandIds.h"

#include <algorithm>
#include <iterator>

namespace {
// Our own pictures for the commands the desktop icon themes have no name for.
#define OWN(name) ":/icons/" name ".svg"

constexpr SCommandInfo kCommands[] = {
    // File
    {Cmd::kFileNew, "&New\tCtrl+N", "Create a new design", "New", "document-new", false},
    {Cmd::kFileOpen, "&Open...\tCtrl+O", "Open an existing design", "Open", "document-open", false},
    {Cmd::kFileClose, "&Close", "Close the active design", "Close", "document-close", false},
    {Cmd::kExploreSamples, "&Explore Samples...", "Open one of the sample designs", "Explore Samples", nullptr, false},
    {Cmd::kFileSave, "&Save\tCtrl+S", "Save the active design", "Save", "document-save", false},
    {Cmd::kFileSaveAs, "Save &As...", "Save the active design with a new name", "Save As", "document-save-as", false},
    {Cmd::kSaveAsImage, "Save As &Image...\tCtrl + I", "Save the design as an image", "Save As Image", nullptr, false},
    {Cmd::kSaveAsTemplate, "Save As &Template...", "Save the design as a template", "Save As Template", nullptr, false},
    {Cmd::kFilePrint, "&Print...\tCtrl+P", "Print the active design", "Print", "document-print", false},
    {Cmd::kFilePrintPreview, "Print Pre&view...", "Show the printed sheets on screen", "Print Preview", "document-print-preview", false},
    {Cmd::kFilePrintSetup, "P&rint Setup...", "Change the printer and printing options", "Print Setup", nullptr, false},
    {Cmd::kFileMru1, "Recent File", "Open this document", "Open this document", nullptr, false},
    {Cmd::kFileMru1 + 1, "Recent File", "Open this document", "Open this document", nullptr, false},
    {Cmd::kFileMru1 + 2, "Recent File", "Open this document", "Open this document", nullptr, false},
    {Cmd::kFileMruLast, "Recent File", "Open this document", "Open this document", nullptr, false},
    {Cmd::kAppExit, "E&xit", "Quit the application; prompts to save designs", "Exit", "application-exit", false},
    // Edit
    {Cmd::kEditUndo, "&Undo\tCtrl+Z", "Undo the last action", "Undo", "edit-undo", false},
    {Cmd::kEditRedo, "&Redo\tCtrl+Y", "Redo the previous undo-action", "Redo", "edit-redo", false},
    {Cmd::kEditCut, "Cu&t\tCtrl+X", "Cut the selection and put in Clipboard", "Cut", "edit-cut", false},
    {Cmd::kEditCopy, "&Copy\tCtrl+C", "Copy the selection and put in Clipboard", "Copy", "edit-copy", false},
    {Cmd::kEditPaste, "&Paste\tCtrl+V", "Insert Clipboard contents", "Paste", "edit-paste", false},
    {Cmd::kEditDelete, "&Delete", "Erase the selection", "Delete", "edit-delete", false},
    {Cmd::kBackSide, "Add/Remove Back Side", "Add or remove the back side of the card", "Back Side", nullptr, false},
    {Cmd::kClearSelection, "C&lear Selection\tDel", "Delete the selected items", "Delete", "edit-delete", false},
    {Cmd::kDuplicateSelection, "&Duplicate Selection", "Duplicate the selected items", "Duplicate", nullptr, false},
    {Cmd::kSelectAll, "Select &All\tCtrl+A", "Select all items", "Select All", "edit-select-all", false},
    {Cmd::kSelectBackground, "Select &Background Image...", "Choose a background picture for the side shown", "Background", OWN("background"), false},
    {Cmd::kRemoveBackground, "Re&move Background", "Remove the background picture of the side shown", "Remove Background", nullptr, false},
    {Cmd::kProperties, "Pr&operties...", "Open the properties window", "Properties", "document-properties", false},
    // View
    {Cmd::kZoomIn, "&Zoom In\tCtrl+=", "Zoom in", "Zoom in", "zoom-in", false},
    {Cmd::kZoomOut, "Z&oom Out\tCtrl+ -", "Zoom out", "Zoom out", "zoom-out", false},
    {Cmd::kZoom25, "25%", "Zoom to 25%", "Zoom to 25%", nullptr, false},
    {Cmd::kZoom50, "50%", "Zoom to 50%", "Zoom to 50%", nullptr, false},
    {Cmd::kZoom75, "75%", "Zoom to 75%", "Zoom to 75%", nullptr, false},
    {Cmd::kZoom100, "100%", "Zoom to 100%", "Zoom to 100%", nullptr, false},
    {Cmd::kZoom150, "150%", "Zoom to 150%", "Zoom to 150%", nullptr, false},
    {Cmd::kZoom200, "200%", "Zoom to 200%", "Zoom to 200%", nullptr, false},
    {Cmd::kZoom300, "300%", "Zoom to 300%", "Zoom to 300%", nullptr, false},
    {Cmd::kGrid, "&Grid", "Show/Hide Grid", "Show/Hide Grid", OWN("grid"), true},
    {Cmd::kViewStandardBar, "&Standard", "Show or hide the Standard toolbar", "Standard Toolbar", nullptr, true},
    {Cmd::kViewShapesBar, "S&hapes", "Show or hide the Shapes toolbar", "Shapes Toolbar", nullptr, true},
    {Cmd::kViewFormattingBar, "&Formatting", "Show or hide the Formatting toolbar", "Formatting Toolbar", nullptr, true},
    {Cmd::kViewActionsBar, "&Actions", "Show or hide the Actions toolbar", "Actions Toolbar", nullptr, true},
    {Cmd::kViewStatusBar, "&Status Bar", "Show or hide the status bar", "Status Bar", nullptr, true},
    // Insert: the drawing tools
    {Cmd::kToolPointer, "Mouse Pointer", "Get Mouse Pointer", "Mouse Pointer", OWN("tool-pointer"), true},
    {Cmd::kToolRectangle, "&Rectangle", "Draw a Rectangle", "Rectangle", OWN("tool-rectangle"), true},
    {Cmd::kToolRoundRect, "R&ound Rectangle", "Draw a Rounded Rectangle", "Round Rectangle", OWN("tool-roundrect"), true},
    {Cmd::kToolCircle, "&Circle/Ellipse", "Draw a Circle or an Ellipse", "Circle/Ellipse", OWN("tool-ellipse"), true},
    {Cmd::kToolDiamond, "&Diamond Shape", "Draw a Diamond Shape", "Diamond", OWN("tool-diamond"), true},
    {Cmd::kToolTriangle, "Tria&ngle", "Draw a Triangle", "Triangle", OWN("tool-triangle"), true},
    {Cmd::kToolText, "&Text", "Insert a Text Block", "Text", OWN("tool-text"), true},
    {Cmd::kToolLine, "&Straight Line", "Draw a Straight Line", "Line", OWN("tool-line"), true},
    {Cmd::kToolFreeform, "&Freeform Line", "Draw a Freeform Line", "Freeform Line", OWN("tool-freeform"), true},
    {Cmd::kToolClosedCurve, "C&losed Curve", "Draw a Closed Curve", "Closed Curve", OWN("tool-closedcurve"), true},
    {Cmd::kToolClipArt, "Cli&p-Art...", "Insert a Picture", "Insert Picture", "insert-image", true},
    {Cmd::kInsertBackground, "&Background...", "Choose a background picture for the side shown", "Background", OWN("background"), false},
    {Cmd::kToolCalloutLeft, "Left Callout", "Insert Left Callout", "Left Callout", OWN("tool-callout-left"), true},
    {Cmd::kToolCalloutRight, "Right Callout", "Insert Right Callout", "Right Callout", OWN("tool-callout-right"), true},
    {Cmd::kToolSkewedRect, "Skewed Rectangle", "Draw a Skewed Rectangle", "Skewed Rectangle", OWN("tool-skewed"), true},
    {Cmd::kToolArrowLeft, "Left Arrow", "Insert Left Arrow", "Left Arrow", OWN("tool-arrow-left"), true},
    {Cmd::kToolArrowRight, "Right Arrow", "Insert Right Arrow", "Right Arrow", OWN("tool-arrow-right"), true},
    {Cmd::kToolStar, "Star", "Draw a Star", "Star", OWN("tool-star"), true},
    {Cmd::kToolExplosion, "Explosion", "Draw Explosion Symbol ", "Explosion", OWN("tool-explosion"), true},
    {Cmd::kToolMoon, "Moon", "Draw Moon", "Moon", OWN("tool-moon"), true},
    {Cmd::kToolSun, "Sun", "Draw Sun", "Sun", OWN("tool-sun"), true},
    // Tools
    {Cmd::kRotateClockwise, "Clock&wise", "Rotate 45 Degrees clockwise", "Rotate clockwise", "object-rotate-right", false},
    {Cmd::kRotateAntiClockwise, "&Anti-Clockwise", "Rotate 45 Degrees anti-clockwise", "Rotate anti-clockwise", "object-rotate-left", false},
    {Cmd::kAlignLeft, "&Left", "Align selected items to left", "Align Left", OWN("align-left"), false},
    {Cmd::kAlignRight, "&Right", "Align selected items to right", "Align Right", OWN("align-right"), false},
    {Cmd::kAlignCenter, "&Center", "Align selected items to center", "Align Center", nullptr, false},
    {Cmd::kAlignTop, "&Top", "Align selected items to top", "Align Top", OWN("align-top"), false},
    {Cmd::kAlignBottom, "&Bottom", "Align selected items to bottom", "Align Bottom", OWN("align-bottom"), false},
    {Cmd::kAlignMiddle, "&Middle", "Align selected items to middle", "Align Middle", nullptr, false},
    {Cmd::kSameWidth, "Make Same &Width", "Make same width", "Same Width", nullptr, false},
    {Cmd::kSameHeight, "Make Same &Height", "Make same height", "Same Height", nullptr, false},
    {Cmd::kSameSize, "&Same Width && Height", "Make same width and height", "Same Width & Height", nullptr, false},
    {Cmd::kMoveToFront, "&Front", "Bring selected item to front", "Bring to Front", OWN("move-front"), false},
    {Cmd::kMoveToBack, "&Back", "Send selected item to back", "Send to Back", OWN("move-back"), false},
    {Cmd::kMoveOneFront, "&One Step Front", "Bring selected item to one step front", "One Step Front", nullptr, false},
    {Cmd::kMoveOneBack, "One Step Bac&k", "Send selected item to one step back", "One Step Back", nullptr, false},
    {Cmd::kLock, "&Lock", "Lock the position of selected items", "Lock Position", OWN("lock"), false},
    {Cmd::kUnlock, "&Unlock", "Unlock the position of selected items", "Unlock Position", OWN("unlock"), false},
    {Cmd::kLockAll, "Lo&ck All", "Lock the position of all items", "Lock All", OWN("lock-all"), false},
    {Cmd::kUnlockAll, "U&nlock All", "Unlock the position of all items", "Unlock All", OWN("unlock-all"), false},
    {Cmd::kBold, "&Bold", "Make selected text bold", "Bold", "format-text-bold", true},
    {Cmd::kItalic, "&Italics", "Make selected text Italic", "Italic", "format-text-italic", true},
    {Cmd::kUnderline, "&Underlined", "Underline selected text", "Underline", "format-text-underline", true},
    {Cmd::kCenterHorizontally, "Center Horizontally", "Center the selection horizontally on the card", "Center Horizontally", OWN("center-horizontal"), false},
    {Cmd::kCenterVertically, "Center Vertically", "Center the selection vertically on the card", "Center Vertically", OWN("center-vertical"), false},
    {Cmd::kCenterBoth, "Center Horizontally && Vertically", "Center the selection on the card", "Center Horizontally & Vertically", OWN("center-both"), false},
    {Cmd::kOptions, "&Options...", "Open options Windows", "Options", nullptr, false},
    // Window and help
    {Cmd::kWindowCascade, "&Cascade", "Arrange the design windows so they overlap", "Cascade Windows", nullptr, false},
    {Cmd::kWindowTile, "&Tile", "Arrange the design windows side by side", "Tile Windows", nullptr, false},
    {Cmd::kWindowArrange, "&Arrange Icons", "Line up the minimised design windows along the bottom", "Arrange Icons", nullptr, false},
    {Cmd::kHelpContents, "&Open Help Contents\tF1", "Open the help contents", "Help", "help-contents", false},
    {Cmd::kAppAbout, "&About Kestova", "Show the program's version and maker", "About", "help-about", false},
};
#undef OWN

struct SAccelerator {
    QKeyCombination key;
    int nId;
};

// Delete and Ctrl+A belong to the design view's own key handling.
const SAccelerator kAccelerators[] = {
    {Qt::CTRL | Qt::Key_C, Cmd::kEditCopy},
    {Qt::CTRL | Qt::Key_Insert, Cmd::kEditCopy},
    {Qt::CTRL | Qt::Key_X, Cmd::kEditCut},
    {Qt::SHIFT | Qt::Key_Delete, Cmd::kEditCut},
    {Qt::CTRL | Qt::Key_V, Cmd::kEditPaste},
    {Qt::SHIFT | Qt::Key_Insert, Cmd::kEditPaste},
    {Qt::CTRL | Qt::Key_Z, Cmd::kEditUndo},
    {Qt::ALT | Qt::Key_Backspace, Cmd::kEditUndo},
    {Qt::CTRL | Qt::Key_Y, Cmd::kEditRedo},
    {Qt::CTRL | Qt::Key_N, Cmd::kFileNew},
    {Qt::CTRL | Qt::Key_O, Cmd::kFileOpen},
    {Qt::CTRL | Qt::Key_P, Cmd::kFilePrint},
    {Qt::CTRL | Qt::Key_S, Cmd::kFileSave},
    {QKeyCombination(Qt::Key_F1), Cmd::kHelpContents},
    {Qt::CTRL | Qt::Key_Equal, Cmd::kZoomIn},
    {Qt::CTRL | Qt::Key_Minus, Cmd::kZoomOut},
    {Qt::CTRL | Qt::Key_I, Cmd::kSaveAsImage},
};

// Not built yet; each number leaves this list with the work that handles it.
constexpr int kPendingCommands[] = {
    Cmd::kSaveAsImage, Cmd::kSaveAsTemplate, Cmd::kFilePrint, Cmd::kFilePrintPreview,
    Cmd::kEditUndo, Cmd::kEditRedo, Cmd::kEditCut, Cmd::kEditCopy, Cmd::kEditPaste, Cmd::kEditDelete,
    Cmd::kClearSelection, Cmd::kDuplicateSelection, Cmd::kSelectAll,
    Cmd::kSelectBackground, Cmd::kInsertBackground, Cmd::kToolClipArt, Cmd::kProperties,
    Cmd::kOptions,
    Cmd::kRotateClockwise, Cmd::kRotateAntiClockwise,
    Cmd::kAlignLeft, Cmd::kAlignRight, Cmd::kAlignCenter, Cmd::kAlignTop, Cmd::kAlignBottom, Cmd::kAlignMiddle,
    Cmd::kSameWidth, Cmd::kSameHeight, Cmd::kSameSize,
    Cmd::kMoveToFront, Cmd::kMoveToBack, Cmd::kMoveOneFront, Cmd::kMoveOneBack,
    Cmd::kLock, Cmd::kUnlock, Cmd::kLockAll, Cmd::kUnlockAll,
    Cmd::kBold, Cmd::kItalic, Cmd::kUnderline,
    Cmd::kCenterHorizontally, Cmd::kCenterVertically, Cmd::kCenterBoth,
};
}  // namespace

std::span<const SCommandInfo> CommandTable() { return kCommands; }

const SCommandInfo* FindCommandInfo(int nId)
{
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [nId](const SCommandInfo& c) { return c.nId == nId; });
    return it == std::end(kCommands) ? nullptr : it;
}

QList<QKeySequence> AcceleratorsOf(int nId)
{
    QList<QKeySequence> keys;
    for (const SAccelerator& a : kAccelerators)
        if (a.nId == nId)
            keys << QKeySequence(a.key);
    return keys;
}

bool IsCommandPending(int nId)
{
    return std::find(std::begin(kPendingCommands), std::end(kPendingCommands), nId) != std::end(kPendingCommands);
}
