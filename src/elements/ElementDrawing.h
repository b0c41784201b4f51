#pragma once

#include "elements/CElement.h"

#include <QPen>
#include <QRectF>

class QPainter;

// Drawing steps every element class shares.
namespace ElementDrawing {
// Where the card's top-left corner lies in canvas coordinates, on both axes.
inline constexpr int kCardCorner = 50;

// The element's drawing rectangle: its bounds displaced by the placement.
QRectF DrawingRect(const CRect& rcBounds, const CPlacement& placement);
// The card's top-left corner in the painter's world for a placement; fill
// patterns anchor their cells there.
QPointF CardOrigin(const CPlacement& placement);
// Turns the painter so the element rotates counter-clockwise on screen by
// nRotation degrees about the centre of rc (the caller saves and restores).
void RotateAboutCentre(QPainter& g, const QRectF& rc, int nRotation);
// A pen nWidth canvas units wide in one of the five dash styles (0 solid,
// 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot; others solid), with flat caps
// and sharp joins (bevelled where two pieces meet almost tangentially); width
// 0 or less gives the thinnest (cosmetic) line.
QPen MakePen(QRgb clr, int nWidth, int nDashStyle);
}  // namespace ElementDrawing
