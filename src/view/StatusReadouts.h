#pragma once

#include "elements/CElement.h"

#include <QPoint>
#include <QString>
#include <vector>

// The texts of the four status-bar readouts of a design window.
namespace StatusReadouts {
// Status-bar panes the design view writes.
inline constexpr int kPaneCardSize = 1;
inline constexpr int kPaneMouse = 2;
inline constexpr int kPaneZoom = 3;
inline constexpr int kPaneSelected = 4;

// "Zoom:100%"
QString ZoomText(float fZoom);
// "Card Size: 3.500 x 2.000 inch" from the size in 1/100000 inch.
QString CardSizeText(int nWidthFine, int nHeightFine, int nUnit);
// "Mouse: 0.00, 0.00 inch", measured from the card's top-left corner.
QString MouseText(QPoint ptCanvas, int nUnit);
// "Selected Object: 1.00 x 0.50 inch" for exactly one element, else " ".
QString SelectedObjectText(const std::vector<CElement*>& selection, int nUnit);
}  // namespace StatusReadouts
