#include "elements/CShapes.h"

#include "elements/ElementDrawing.h"
#include "elements/FillWithPattern.h"
#include "elements/ShapeOutlines.h"

#include <QPainter>

namespace {
// Shadow, fill and border in that order, in the element's rotated frame. The
// shadow only ever sits under a fill; the border goes on top.
void RenderClosedShape(const CElement& e, int16_t nType, QPainter& g, const CPlacement& placement)
{
    const CShapeOutline* outline = ShapeOutlines::ForType(nType);
    if (!outline)
        return;
    const QRectF rc = ElementDrawing::DrawingRect(e.m_rcBounds, placement);

    g.save();
    g.setRenderHint(QPainter::Antialiasing, true);
    ElementDrawing::RotateAboutCentre(g, rc, e.m_nRotation % 360 + outline->nExtraRotation);
    const QPainterPath path = outline->Build(rc);

    const bool bFilled = e.m_nFillPattern != 0 && !e.m_bNoFill;
    if (bFilled && e.m_bShadow)
        g.fillPath(path.translated(e.m_nShadowOffset, e.m_nShadowOffset), QColor::fromRgba(e.m_clrShadow));
    const QPen pen = ElementDrawing::MakePen(e.m_clrBorder, e.m_nBorderWidth, e.m_nDashStyle);
    if (bFilled)
        FillWithPattern(g, rc, e.m_nFillPattern, e.m_clrFill, e.m_clrPattern, outline->nFillType, &path,
                        ElementDrawing::CardOrigin(placement));
    if (e.m_nBorderWidth > 0)
        g.strokePath(path, pen);
    if (outline->BuildDecoration)
        g.strokePath(outline->BuildDecoration(rc), pen);
    g.restore();
}
}  // namespace

#define KESTOVA_SHAPE_RENDER(Name, Code)                                                                  \
    void Name::Render(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin, float fRowGap, \
                      float fColGap, int nCardWidth, int nCardHeight)                                     \
    {                                                                                                     \
        PrepareColors();                                                                                  \
        RenderClosedShape(*this, Code, g,                                                                 \
                          CPlacement{nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth,   \
                                     nCardHeight});                                                       \
    }

KESTOVA_SHAPE_RENDER(CRectangle, ElementType::kRectangle)
KESTOVA_SHAPE_RENDER(CCircle, ElementType::kCircle)
KESTOVA_SHAPE_RENDER(CRhombus, ElementType::kRhombus)
KESTOVA_SHAPE_RENDER(CRectRound, ElementType::kRectRound)
KESTOVA_SHAPE_RENDER(CTriangle, ElementType::kTriangle)
KESTOVA_SHAPE_RENDER(CCalloutBL, ElementType::kCalloutBL)
KESTOVA_SHAPE_RENDER(CCalloutBR, ElementType::kCalloutBR)
KESTOVA_SHAPE_RENDER(CShapeParallelo, ElementType::kParallelogram)
KESTOVA_SHAPE_RENDER(CShapeArrowL, ElementType::kArrowLeft)
KESTOVA_SHAPE_RENDER(CShapeStar, ElementType::kStar)
KESTOVA_SHAPE_RENDER(CShapeExplosion, ElementType::kExplosion)
KESTOVA_SHAPE_RENDER(CShapeMoon, ElementType::kMoon)
KESTOVA_SHAPE_RENDER(CShapeArrowR, ElementType::kArrowRight)
KESTOVA_SHAPE_RENDER(CShapeSun, ElementType::kSun)
