#pragma once

#include "elements/CElement.h"

#include <QPen>
#include <QRectF>

class QPainter;

// Drawing steps every element class shares.
namespace ElementDrawing {
// The element's drawing rectangle: its bounds displaced by the placement.
QRectF DrawingRect(const CRect& rcBounds, const CPlacement& placement);
// Turns the painter so the element rotates counter-clockwise on screen by
// nRotation degrees about the centre of rc (the caller saves and restores).
void RotateAboutCentre(QPainter& g, const QRectF& rc, int nRotation);
// A pen nWidth canvas units wide in one of the five dash styles; width 0 gives
// the thinnest (cosmetic) line.
QPen MakePen(QRgb clr, int nWidth, int nDashStyle);
}  // namespace ElementDrawing
