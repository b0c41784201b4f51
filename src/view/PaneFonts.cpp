#include "view/PaneFonts.h"

#include <QFontMetricsF>

namespace PaneFonts {
QFont Arial(int nCellHeight)
{
    QFont font(QStringLiteral("Arial"));
    font.setWeight(QFont::Normal);
    font.setPixelSize(nCellHeight);
    // Shrink the em so ascent plus descent fill the cell.
    const QFontMetricsF fm(font);
    const double cell = fm.ascent() + fm.descent();
    if (cell > nCellHeight)
        font.setPixelSize(std::max(1, int(nCellHeight * nCellHeight / cell)));
    return font;
}
}  // namespace PaneFonts
