#pragma once

#include "elements/CElement.h"

// A box, in canvas units, outside which an element leaves no paint: used to
// skip elements that lie wholly outside the part of the canvas being redrawn.
// It errs on the large side: shapes may reach past their bounds (callout
// tails, sun rays), and shadows, borders and arrow heads add their widths.
// bAlways is set for elements that must always be drawn (backgrounds).
struct CPaintExtent {
    CRect rc;
    bool bAlways = false;

    bool Touches(const CRect& rcArea) const
    {
        return bAlways
            || (rc.left < rcArea.right && rcArea.left < rc.right && rc.top < rcArea.bottom && rcArea.top < rc.bottom);
    }
};

CPaintExtent PaintExtentOf(const CElement& e);
