#pragma once

#include <QFont>

namespace PaneFonts {
// "Arial" asked for by its character cell height in pixels (ascent plus
// descent), the way the window panes size their small texts.
QFont Arial(int nCellHeight);
}  // namespace PaneFonts
