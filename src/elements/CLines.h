#pragma once

#include "elements/CElement.h"
#include "elements/ElementInterface.h"

#include <vector>

// A point of a freehand line or closed curve, in canvas units.
struct CPointF {
    float x = 0.0f;
    float y = 0.0f;
    bool operator==(const CPointF&) const = default;
};

// The growing point array both point-list classes keep: capacity grows in
// steps of 10 and a point equal to the last one is not stored again.
class CPointList {
public:
    static constexpr int kGrowBy = 10;

    void Add(QPoint pt);
    void Assign(std::vector<CPointF> points);  // capacity becomes the count
    void Translate(float dx, float dy);
    void Scale(const CRect& from, const CRect& to);
    // The box of the points, each side truncated toward zero; false when empty.
    bool Bounds(CRect& rc) const;

    int Count() const { return int(m_points.size()); }
    int Capacity() const { return m_nCapacity; }
    const std::vector<CPointF>& Points() const { return m_points; }

private:
    std::vector<CPointF> m_points;
    int m_nCapacity = 0;
};

class CLine : public CElement {
    KESTOVA_ELEMENT_CLASS(CLine)
public:
    CLine();
    CLine(QPoint pt1, QPoint pt2);
    void Serialize(CArchive& ar) override;
};

class CFreehandLine : public CElement {
    KESTOVA_ELEMENT_CLASS(CFreehandLine)
public:
    CFreehandLine();
    CFreehandLine(QPoint pt1, QPoint pt2);
    void Serialize(CArchive& ar) override;
    void MoveTo(const CRect& rc) override;
    void ResizeTo(const CRect& rc) override;
    void AddPoint(QPoint pt) override;

    CPointList m_points;
};

class CClosedCurve : public CElement {
    KESTOVA_ELEMENT_CLASS(CClosedCurve)
public:
    CClosedCurve();
    CClosedCurve(QPoint pt1, QPoint pt2);
    void Serialize(CArchive& ar) override;
    void MoveTo(const CRect& rc) override;
    void ResizeTo(const CRect& rc) override;
    void AddPoint(QPoint pt) override;

    CPointList m_points;
};
