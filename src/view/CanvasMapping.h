#pragma once

#include "elements/CElement.h"

#include <QPoint>
#include <QRect>
#include <QTransform>

// The card-to-window mapping of a design view: canvas units (1/100 inch) to
// client pixels at a zoom, scrolled by a pixel offset. The scale is the zoomed
// card size cut to whole pixels divided by the card size, so the card always
// covers a whole number of pixels. Every conversion between canvas units and
// pixels goes through here.
class CCanvasMapping {
public:
    CCanvasMapping(int nCardWidth, int nCardHeight, float fZoom, QPoint ptScroll = {});

    // Viewport extent: the card size in pixels, trunc(size x zoom).
    int ExtentX() const { return m_nExtX; }
    int ExtentY() const { return m_nExtY; }
    double ScaleX() const { return double(m_nExtX) / m_nWinX; }
    double ScaleY() const { return double(m_nExtY) / m_nWinY; }

    // Canvas units to client pixels, for a painter whose world unit is one
    // canvas unit.
    QTransform Transform() const;

    // Conversions rounded to the nearest whole unit or pixel.
    QPoint ToClient(QPoint ptCanvas) const;
    QPoint ToCanvas(QPoint ptClient) const;
    // Rectangles given by two corners; the result is normalised.
    CRect ToClient(const CRect& rcCanvas) const;
    CRect ToCanvas(const CRect& rcClient) const;

private:
    int m_nWinX;
    int m_nWinY;
    int m_nExtX;
    int m_nExtY;
    QPoint m_ptScroll;
};

// A two-corner rectangle as Qt's rectangle (right and bottom exclusive).
inline QRect ToQRect(const CRect& rc) { return QRect(QPoint(rc.left, rc.top), QPoint(rc.right - 1, rc.bottom - 1)); }
inline CRect ToCRect(const QRect& rc) { return {rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height()}; }
