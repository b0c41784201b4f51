#pragma once

// Command numbers of every menu item, toolbar button and accelerator.
namespace Cmd {
// File
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFileMru1 = 57616;  // 57616 to 57619
inline constexpr int kFileMruLast = 57619;
inline constexpr int kAppExit = 57665;
inline constexpr int kExploreSamples = 285;
inline constexpr int kSaveAsImage = 152;
inline constexpr int kSaveAsTemplate = 153;
// Edit
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditDelete = 57632;  // context menu of an element
inline constexpr int kBackSide = 318;
inline constexpr int kClearSelection = 156;
inline constexpr int kDuplicateSelection = 157;
inline constexpr int kSelectAll = 159;
inline constexpr int kSelectBackground = 160;
inline constexpr int kRemoveBackground = 260;
inline constexpr int kProperties = 137;
// View
inline constexpr int kZoomIn = 250;
inline constexpr int kZoomOut = 251;
inline constexpr int kZoom25 = 228;
inline constexpr int kZoom50 = 225;
inline constexpr int kZoom75 = 229;
inline constexpr int kZoom100 = 230;
inline constexpr int kZoom150 = 231;
inline constexpr int kZoom200 = 226;
inline constexpr int kZoom300 = 232;
inline constexpr int kGrid = 147;
inline constexpr int kViewStandardBar = 59392;
inline constexpr int kViewShapesBar = 253;
inline constexpr int kViewFormattingBar = 254;
inline constexpr int kViewActionsBar = 257;
inline constexpr int kViewStatusBar = 59393;
// Insert (drawing tools)
inline constexpr int kToolPointer = 32785;
inline constexpr int kToolLine = 32789;
inline constexpr int kToolRectangle = 32771;
inline constexpr int kToolCircle = 32772;
inline constexpr int kToolDiamond = 32774;
inline constexpr int kToolRoundRect = 32776;
inline constexpr int kToolTriangle = 32777;
inline constexpr int kToolFreeform = 32783;
inline constexpr int kToolText = 32786;
inline constexpr int kToolClipArt = 32787;
inline constexpr int kToolClosedCurve = 32796;
inline constexpr int kToolCalloutLeft = 32830;
inline constexpr int kToolCalloutRight = 32831;
inline constexpr int kToolSkewedRect = 32833;
inline constexpr int kToolArrowLeft = 32834;
inline constexpr int kToolStar = 32836;
inline constexpr int kToolExplosion = 32835;
inline constexpr int kToolMoon = 32837;
inline constexpr int kToolArrowRight = 32832;
inline constexpr int kToolSun = 32838;
inline constexpr int kInsertBackground = 294;
// Tools
inline constexpr int kRotateClockwise = 288;
inline constexpr int kRotateAntiClockwise = 289;
inline constexpr int kAlignLeft = 198;
inline constexpr int kAlignRight = 199;
inline constexpr int kAlignCenter = 200;
inline constexpr int kAlignTop = 201;
inline constexpr int kAlignBottom = 202;
inline constexpr int kAlignMiddle = 203;
inline constexpr int kSameWidth = 205;
inline constexpr int kSameHeight = 206;
inline constexpr int kSameSize = 207;
inline constexpr int kMoveToFront = 143;
inline constexpr int kMoveToBack = 144;
inline constexpr int kMoveOneFront = 145;
inline constexpr int kMoveOneBack = 146;
inline constexpr int kLock = 240;
inline constexpr int kUnlock = 241;
inline constexpr int kLockAll = 242;
inline constexpr int kUnlockAll = 243;
inline constexpr int kBold = 245;
inline constexpr int kItalic = 246;
inline constexpr int kUnderline = 247;
inline constexpr int kOptions = 219;
inline constexpr int kCenterHorizontally = 32839;
inline constexpr int kCenterVertically = 32840;
inline constexpr int kCenterBoth = 32841;
// Window and help
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTile = 57651;
inline constexpr int kWindowArrange = 57649;
inline constexpr int kHelpContents = 221;
inline constexpr int kAppAbout = 57664;
// Toolbar toggles also reached by their bar ids
inline constexpr int kShapeBarId = 130;
inline constexpr int kFormatBarId = 255;
inline constexpr int kActionsBarId = 248;
inline constexpr int kMoreShapeBarId = 302;
inline constexpr int kStandardBarResource = 128;
}  // namespace Cmd
