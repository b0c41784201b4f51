#include "view/StatusReadouts.h"

#include "platform/MeasureUnits.h"

namespace StatusReadouts {

namespace {
constexpr int kCardOffset = 50;  // the card's corner in canvas units
}

QString ZoomText(float fZoom) { return QStringLiteral("Zoom:%1%").arg(int(fZoom * 100.0f)); }

QString CardSizeText(int nWidthFine, int nHeightFine, int nUnit)
{
    // Single precision throughout, as the size has always been shown.
    const float d = float(MeasureUnits::Divisor(nUnit));
    const float w = float(nWidthFine) * 0.001f / d;
    const float h = float(nHeightFine) * 0.001f / d;
    return QStringLiteral("Card Size: ") + QString::asprintf("%2.3f", double(w)) + QStringLiteral(" x ")
         + QString::asprintf("%2.3f", double(h)) + MeasureUnits::Suffix(nUnit);
}

QString MouseText(QPoint pt, int nUnit)
{
    const double d = MeasureUnits::Divisor(nUnit);
    return QStringLiteral("Mouse: ") + QString::asprintf("%2.2f", (pt.x() - kCardOffset) / d) + QStringLiteral(", ")
         + QString::asprintf("%2.2f", (pt.y() - kCardOffset) / d) + MeasureUnits::Suffix(nUnit);
}

QString SelectedObjectText(const std::vector<CElement*>& selection, int nUnit)
{
    if (selection.size() != 1)
        return QStringLiteral(" ");
    const double d = MeasureUnits::Divisor(nUnit);
    const CRect rc = selection.front()->GetBounds();
    return QStringLiteral("Selected Object: ") + QString::asprintf("%2.2f", rc.Width() / d) + QStringLiteral(" x ")
         + QString::asprintf("%2.2f", rc.Height() / d) + MeasureUnits::Suffix(nUnit);
}

}  // namespace StatusReadouts
