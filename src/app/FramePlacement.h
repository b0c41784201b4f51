#pragma once

#include <QRect>
#include <QSize>

// Where the main window opens and what is remembered of it when it closes.
// The arithmetic is kept apart from the window so every edge case can be
// checked without a screen.
struct SFramePlacement {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;

    QRect Rect() const { return QRect(x, y, cx, cy); }
    bool operator==(const SFramePlacement&) const = default;
};

namespace FramePlacement {
inline constexpr int kMinClosingWidth = 770;
inline constexpr int kMinClosingHeight = 530;
inline constexpr int kOffscreenLimit = -10;  // a corner further off than this is not kept
inline constexpr int kOffscreenPosition = 10;
inline constexpr int kDesktopInset = 5;

// 14/15 of the screen wide, 12/15 high, 1/50 in from the top-left corner.
SFramePlacement Default(QSize screen);
// A stored placement made to fit on the desktop.
SFramePlacement Fit(SFramePlacement stored, QSize desktop);
// What is stored for a window whose rectangle is rc when it closes.
SFramePlacement Closing(const QRect& rc);

// The placement to open with: the stored one fitted to the desktop, or the
// default. On a first start (no options at all) the default is written.
SFramePlacement Read(QSize screen, QSize desktop);
void Write(const SFramePlacement& placement);
}  // namespace FramePlacement
