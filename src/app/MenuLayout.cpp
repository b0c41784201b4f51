#include "app/MenuLayout.h"

#include "document/CommandIds.h"

namespace {
SMenuItem C(int nId, const char* pszOwnText = nullptr)
{
    SMenuItem item;
    item.kind = SMenuItem::Command;
    item.nId = nId;
    if (pszOwnText)
        item.strText = QString::fromUtf8(pszOwnText);
    return item;
}

SMenuItem Sep() { return SMenuItem{}; }

SMenuItem Popup(const char* pszTitle, std::vector<SMenuItem> items)
{
    SMenuItem item;
    item.kind = SMenuItem::Popup;
    item.strText = QString::fromUtf8(pszTitle);
    item.items = std::move(items);
    return item;
}

SMenuItem ToolbarsPopup()
{
    return Popup("&Toolbars", {C(Cmd::kViewStandardBar), C(Cmd::kViewShapesBar), C(Cmd::kViewFormattingBar),
                               C(Cmd::kViewActionsBar)});
}

SMenuItem HelpPopup() { return Popup("&Help", {C(Cmd::kHelpContents), C(Cmd::kAppAbout)}); }

std::vector<SMenuItem> NoDesignMenu()
{
    return {
        Popup("&File", {C(Cmd::kFileNew), C(Cmd::kFileOpen), Sep(), C(Cmd::kExploreSamples, "Explore Samples..."), Sep(),
                        C(Cmd::kFilePrintSetup), Sep(), C(Cmd::kFileMru1), C(Cmd::kFileMru1 + 1),
                        C(Cmd::kFileMru1 + 2), C(Cmd::kFileMruLast), Sep(), C(Cmd::kAppExit)}),
        Popup("&View", {ToolbarsPopup(), C(Cmd::kViewStatusBar)}),
        HelpPopup(),
    };
}

std::vector<SMenuItem> DesignMenu()
{
    return {
        Popup("&File", {C(Cmd::kFileNew), C(Cmd::kFileOpen), C(Cmd::kFileClose), Sep(), C(Cmd::kExploreSamples), Sep(),
                        C(Cmd::kFileSave), C(Cmd::kFileSaveAs), C(Cmd::kSaveAsImage), C(Cmd::kSaveAsTemplate), Sep(),
                        C(Cmd::kFilePrint), C(Cmd::kFilePrintPreview), C(Cmd::kFilePrintSetup), Sep(),
                        C(Cmd::kFileMru1), C(Cmd::kFileMru1 + 1), C(Cmd::kFileMru1 + 2), C(Cmd::kFileMruLast), Sep(),
                        C(Cmd::kAppExit)}),
        Popup("&Edit", {C(Cmd::kEditUndo), C(Cmd::kEditRedo), Sep(), C(Cmd::kEditCut), C(Cmd::kEditCopy),
                        C(Cmd::kEditPaste), Sep(), C(Cmd::kBackSide), Sep(), C(Cmd::kClearSelection),
                        C(Cmd::kDuplicateSelection), C(Cmd::kSelectAll), Sep(), C(Cmd::kSelectBackground),
                        C(Cmd::kRemoveBackground), Sep(), C(Cmd::kProperties)}),
        Popup("&View", {Popup("&Zoom", {C(Cmd::kZoomIn), C(Cmd::kZoomOut), Sep(), C(Cmd::kZoom25), C(Cmd::kZoom50),
                                        C(Cmd::kZoom75), C(Cmd::kZoom100), C(Cmd::kZoom150), C(Cmd::kZoom200),
                                        C(Cmd::kZoom300)}),
                        Sep(), C(Cmd::kGrid), Sep(), ToolbarsPopup(), C(Cmd::kViewStatusBar)}),
        Popup("&Insert", {C(Cmd::kToolRectangle), C(Cmd::kToolRoundRect), C(Cmd::kToolCircle), C(Cmd::kToolDiamond),
                          C(Cmd::kToolTriangle), Sep(), C(Cmd::kToolText), C(Cmd::kToolLine), C(Cmd::kToolFreeform),
                          Sep(), C(Cmd::kToolClosedCurve), C(Cmd::kToolClipArt), Sep(), C(Cmd::kInsertBackground)}),
        Popup("&Tools",
              {Popup("&Rotate", {C(Cmd::kRotateClockwise), C(Cmd::kRotateAntiClockwise)}),
               Popup("Group &Align", {C(Cmd::kAlignLeft), C(Cmd::kAlignRight), C(Cmd::kAlignCenter), Sep(),
                                      C(Cmd::kAlignTop), C(Cmd::kAlignBottom), C(Cmd::kAlignMiddle)}),
               Popup("Group Re&size", {C(Cmd::kSameWidth), C(Cmd::kSameHeight), Sep(), C(Cmd::kSameSize)}),
               Sep(),
               Popup("Mo&ve To", {C(Cmd::kMoveToFront), C(Cmd::kMoveToBack), Sep(), C(Cmd::kMoveOneFront),
                                  C(Cmd::kMoveOneBack)}),
               Sep(), C(Cmd::kLock), C(Cmd::kUnlock), Sep(), C(Cmd::kLockAll), C(Cmd::kUnlockAll), Sep(),
               Popup("&Text Font", {C(Cmd::kBold), C(Cmd::kItalic), C(Cmd::kUnderline)}), Sep(), C(Cmd::kOptions)}),
        Popup(kWindowMenuTitle, {C(Cmd::kWindowCascade), C(Cmd::kWindowTile), C(Cmd::kWindowArrange)}),
        HelpPopup(),
    };
}
}  // namespace

std::vector<SMenuItem> MenuLayout(int nMenu) { return nMenu == kMenuDesign ? DesignMenu() : NoDesignMenu(); }

const std::vector<SToolBarLayout>& ToolBarLayouts()
{
    static const std::vector<SToolBarLayout> bars = {
        {"Standard", Cmd::kViewStandardBar,
         {Cmd::kFileNew, Cmd::kFileOpen, Cmd::kFileSave, 0, Cmd::kEditCut, Cmd::kEditCopy, Cmd::kEditPaste, 0,
          Cmd::kClearSelection, 0, Cmd::kEditUndo, Cmd::kEditRedo, Cmd::kFilePrint, Cmd::kFilePrintPreview, 0,
          Cmd::kProperties, Cmd::kInsertBackground, 0, Cmd::kZoomIn, Cmd::kZoomOut, Cmd::kGrid, Cmd::kHelpContents}},
        {"Shapebar", Cmd::kShapeBarId,
         {Cmd::kToolPointer, Cmd::kToolRectangle, Cmd::kToolRoundRect, Cmd::kToolCircle, Cmd::kToolDiamond,
          Cmd::kToolTriangle, Cmd::kToolClosedCurve, 0, Cmd::kToolText, Cmd::kToolLine, Cmd::kToolFreeform,
          Cmd::kToolClipArt}},
        {"More Shapebar", Cmd::kMoreShapeBarId,
         {Cmd::kToolArrowRight, Cmd::kToolArrowLeft, Cmd::kToolCalloutLeft, Cmd::kToolCalloutRight,
          Cmd::kToolSkewedRect, 0, Cmd::kToolExplosion, Cmd::kToolStar, Cmd::kToolSun, Cmd::kToolMoon}},
        {"Actions", Cmd::kActionsBarId,
         {Cmd::kLock, Cmd::kUnlock, Cmd::kLockAll, Cmd::kUnlockAll, 0, Cmd::kMoveToFront, Cmd::kMoveToBack}},
        {"Formatting", Cmd::kFormatBarId,
         {Cmd::kBold, Cmd::kItalic, Cmd::kUnderline, 0, Cmd::kAlignLeft, Cmd::kAlignRight, Cmd::kAlignTop,
          Cmd::kAlignBottom, 0, Cmd::kRotateClockwise, Cmd::kRotateAntiClockwise, Cmd::kCenterHorizontally,
          Cmd::kCenterVertically, Cmd::kCenterBoth}},
    };
    return bars;
}
