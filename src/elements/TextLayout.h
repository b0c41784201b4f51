#pragma once

#include "elements/CLogFont.h"

#include <QFont>
#include <QString>
#include <QStringList>

class QPaintDevice;

// How a text element's words are set in its box, in canvas units. Nothing here
// depends on the device the text is finally painted on, so the same box wraps
// the same way on screen at any zoom, in exported pictures and on paper.
namespace TextLayout {
// Ellipsis that ends text cut short.
inline constexpr QChar kEllipsis = QChar(0x2026);

// The font of a text element: an em of lfHeight points (lfHeight x 100/72
// canvas units) when measured against MeasureDevice(); bold only at weight
// 700; a face that is not installed falls back to the generic sans-serif.
QFont FontFor(const CLogFont& lf);
// The device text is measured against: 72 dots per inch, so one point of a
// font's size is one canvas unit.
QPaintDevice* MeasureDevice();

// The lines of a box: wrapped at word boundaries to nLineLength, as many as
// fit into fDepth one line spacing each. When text remains, the last line
// ends with an ellipsis; a line too long for the box (a single long word) is
// cut the same way. If not even one line fits, the first one is kept so the
// box still shows that it holds text (the caller clips it).
struct CSetLines {
    QStringList lines;
    qreal fLineSpacing = 0;
};
CSetLines SetLines(const QString& strText, const QFont& font, qreal fLineLength, qreal fDepth);
}  // namespace TextLayout
