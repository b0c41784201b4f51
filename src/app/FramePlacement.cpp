#include "app/FramePlacement.h"

#include "platform/CSettings.h"
#include "platform/SettingNames.h"

#include <algorithm>

namespace FramePlacement {

SFramePlacement Default(QSize screen)
{
    SFramePlacement p;
    p.cy = screen.height() * 12 / 15;
    p.cx = screen.width() * 14 / 15;
    p.y = screen.height() / 50;
    p.x = screen.width() / 50;
    return p;
}

SFramePlacement Fit(SFramePlacement p, QSize desktop)
{
    if (p.cx >= desktop.width()) {
        p.cx = desktop.width() - 2 * kDesktopInset;
        p.x = kDesktopInset;
    }
    if (p.cy >= desktop.height()) {
        p.cy = desktop.height() - 2 * kDesktopInset;
        p.y = kDesktopInset;
    }
    if (p.x + p.cx > desktop.width())
        p.x = desktop.width() / 2 - p.cx / 2;
    if (p.y + p.cy > desktop.height())
        p.y = desktop.height() / 2 - p.cy / 2;
    return p;
}

SFramePlacement Closing(const QRect& rc)
{
    SFramePlacement p;
    p.cx = std::max(rc.width(), kMinClosingWidth);
    p.cy = std::max(rc.height(), kMinClosingHeight);
    p.x = rc.left() >= kOffscreenLimit ? rc.left() : kOffscreenPosition;
    p.y = rc.top() >= kOffscreenLimit ? rc.top() : kOffscreenPosition;
    return p;
}

SFramePlacement Read(QSize screen, QSize desktop)
{
    const SFramePlacement defaults = Default(screen);
    if (!CSettings::HasOptions()) {
        Write(defaults);
        return defaults;
    }
    const auto x = CSettings::ReadInt(QLatin1String(SettingNames::kFrameX));
    const auto y = CSettings::ReadInt(QLatin1String(SettingNames::kFrameY));
    const auto cx = CSettings::ReadInt(QLatin1String(SettingNames::kFrameWidth));
    const auto cy = CSettings::ReadInt(QLatin1String(SettingNames::kFrameHeight));
    if (!x || !y || !cx || !cy)
        return defaults;
    // The program never writes these, but an edited file might: a window with
    // no size, or one parked far off the desktop, could not be seen or reached.
    if (*cx <= 0 || *cy <= 0)
        return defaults;
    SFramePlacement stored{*x, *y, *cx, *cy};
    if (stored.x < kOffscreenLimit)
        stored.x = kOffscreenPosition;
    if (stored.y < kOffscreenLimit)
        stored.y = kOffscreenPosition;
    return Fit(stored, desktop);
}

void Write(const SFramePlacement& p)
{
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameWidth), p.cx);
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameHeight), p.cy);
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameX), p.x);
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameY), p.y);
}
}  // namespace FramePlacement
