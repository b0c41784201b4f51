#pragma once

#include "elements/CElement.h"
#include "elements/ElementInterface.h"

// A block of text laid out in its bounding box.
class CText : public CElement {
    KESTOVA_ELEMENT_CLASS(CText)
public:
    CText();
    CText(QPoint pt1, QPoint pt2);
    void Serialize(CArchive& ar) override;

    void Draw(QPainter& g) override;
    void RenderToDC(QPainter& dc, int nCol, int nRow, float fLeftMargin, float fTopMargin,
                    float fRowGap, float fColGap, int nCardWidth, int nCardHeight,
                    bool bPrinting) override;
    // Text drawing; on a printer the box is widened so printer fonts that run
    // wider than the screen's do not wrap differently.
    virtual void RenderText(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin,
                            float fRowGap, float fColGap, int nCardWidth, int nCardHeight,
                            bool bPrinting);

    // The font every new text block starts with.
    static CLogFont DefaultFont();
};
