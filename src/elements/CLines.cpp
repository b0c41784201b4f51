#include "elements/CLines.h"

#include "elements/ClassDefaults.h"

void CPointList::Add(QPoint pt)
{
    const CPointF p{float(pt.x()), float(pt.y())};
    if (!m_points.empty() && m_points.back() == p)
        return;
    if (int(m_points.size()) == m_nCapacity) {
        m_nCapacity += kGrowBy;
        m_points.reserve(size_t(m_nCapacity));
    }
    m_points.push_back(p);
}

void CPointList::Assign(std::vector<CPointF> points)
{
    m_points = std::move(points);
    m_nCapacity = int(m_points.size());
}

void CPointList::Translate(float dx, float dy)
{
    for (CPointF& p : m_points) {
        p.x += dx;
        p.y += dy;
    }
}

void CPointList::Scale(const CRect& from, const CRect& to)
{
    // A zero-sized box has no scale to keep: the points collapse onto the new
    // box's edge rather than becoming infinities.
    const float sx = from.Width() ? float(to.Width()) / float(from.Width()) : 0.0f;
    const float sy = from.Height() ? float(to.Height()) / float(from.Height()) : 0.0f;
    for (CPointF& p : m_points) {
        p.x = (p.x - float(from.left)) * sx + float(to.left);
        p.y = (p.y - float(from.top)) * sy + float(to.top);
    }
}

bool CPointList::Bounds(CRect& rc) const
{
    if (m_points.empty())
        return false;
    float minX = m_points[0].x, maxX = minX, minY = m_points[0].y, maxY = minY;
    for (const CPointF& p : m_points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    rc = {int32_t(minX), int32_t(minY), int32_t(maxX), int32_t(maxY)};
    return true;
}

CLine::CLine() { m_nBorderWidth = 0; }

CLine::CLine(QPoint pt1, QPoint pt2)
{
    ApplyShapeDefaults(*this, ElementType::kLine, pt1, pt2);
    m_nLineDir = 3;
}

std::unique_ptr<CElement> CLine::Clone() const
{
    auto p = std::make_unique<CLine>(QPoint(m_rcBounds.left, m_rcBounds.top), QPoint(m_rcBounds.right, m_rcBounds.bottom));
    CopyCommonTo(*p);
    p->m_nLineDir = m_nLineDir;
    return p;
}

namespace {
// Coordinates read from a file may lie anywhere; the offset between two of
// them wraps as the coordinates do, so a move and its inverse always cancel.
float WrappedDelta(int32_t to, int32_t from) { return float(int32_t(uint32_t(to) - uint32_t(from))); }
}  // namespace

// The two point-list classes share their geometry through CPointList.
#define KESTOVA_POINT_LIST_IMPL(Name, Code)                                               \
    Name::Name() { m_nBorderWidth = 0; }                                                  \
    Name::Name(QPoint pt1, QPoint pt2) { ApplyShapeDefaults(*this, Code, pt1, pt2); }      \
    std::unique_ptr<CElement> Name::Clone() const                                         \
    {                                                                                     \
        auto p = std::make_unique<Name>(QPoint(m_rcBounds.left, m_rcBounds.top),           \
                                        QPoint(m_rcBounds.right, m_rcBounds.bottom));      \
        CopyCommonTo(*p);                                                                 \
        p->m_points.Assign(m_points.Points());                                            \
        return p;                                                                         \
    }                                                                                     \
    void Name::MoveTo(const CRect& rc)                                                    \
    {                                                                                     \
        m_points.Translate(WrappedDelta(rc.left, m_rcBounds.left), WrappedDelta(rc.top, m_rcBounds.top)); \
        m_rcBounds = rc;                                                                  \
    }                                                                                     \
    void Name::ResizeTo(const CRect& rc)                                                  \
    {                                                                                     \
        m_points.Scale(m_rcBounds, rc);                                                   \
        m_rcBounds = rc;                                                                  \
    }                                                                                     \
    void Name::AddPoint(QPoint pt) { m_points.Add(pt); }

KESTOVA_POINT_LIST_IMPL(CFreehandLine, ElementType::kFreehandLine)
KESTOVA_POINT_LIST_IMPL(CClosedCurve, ElementType::kClosedCurve)
