#pragma once

#include <QString>
#include <vector>

// Where each command stands in the menus and toolbars. Texts come from the
// command table unless an item gives its own.
struct SMenuItem {
    enum EKind { Command, Separator, Popup };
    EKind kind = Separator;
    int nId = 0;
    QString strText;  // popup title, or the item's own text where the menus differ
    std::vector<SMenuItem> items;
};

inline constexpr int kMenuNoDesign = 128;  // shown while no design window is open
inline constexpr int kMenuDesign = 129;    // shown while one is

// The top-level popups of menu 128 or 129.
std::vector<SMenuItem> MenuLayout(int nMenu);

struct SToolBarLayout {
    const char* pszName;
    int nBarId;
    std::vector<int> buttons;  // 0 stands for a separator
};

// The five toolbars in the order they are created.
const std::vector<SToolBarLayout>& ToolBarLayouts();

// The title of the popup to which the frame appends the open design windows.
inline const char* const kWindowMenuTitle = "&Window";
