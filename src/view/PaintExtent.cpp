#include "view/PaintExtent.h"

#include "elements/CLines.h"

#include <algorithm>
#include <cstdlib>

namespace {
CRect Grown(const CRect& rc, int n) { return {rc.left - n, rc.top - n, rc.right + n, rc.bottom + n}; }

CRect United(const CRect& a, const CRect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// Freehand lines and closed curves draw their points, which a resize may leave
// outside the bounds.
const CPointList* PointsOf(const CElement& e)
{
    if (const auto* p = dynamic_cast<const CFreehandLine*>(&e))
        return &p->m_points;
    if (const auto* p = dynamic_cast<const CClosedCurve*>(&e))
        return &p->m_points;
    return nullptr;
}
}  // namespace

CPaintExtent PaintExtentOf(const CElement& e)
{
    // A background covers the card whatever its bounds say.
    if (e.m_nType == ElementType::kBackground)
        return {{}, true};
    CRect rc = e.HitBox();  // the rotated bounds
    CRect rcPoints;
    if (const CPointList* points = PointsOf(e); points && points->Bounds(rcPoints))
        rc = United(rc, Grown(rcPoints, 3));
    // Half the longer side covers what outlines draw past their bounds;
    // shadow and border widths come on top.
    const int nReach = std::max(std::abs(rc.Width()), std::abs(rc.Height())) / 2;
    return {Grown(rc, nReach + std::abs(e.m_nShadowOffset) + std::abs(e.m_nBorderWidth) + 2), false};
}
