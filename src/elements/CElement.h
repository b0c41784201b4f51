#pragma once

#include "elements/CLogFont.h"
#include "elements/ElementTypes.h"

#include <QPoint>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <memory>

class CArchive;
class QPainter;

// A rectangle in canvas units, kept exactly as given (never normalised behind
// the caller's back). right and bottom are the far edges, not the last pixel.
struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const CRect&) const = default;
    static CRect Normalized(QPoint a, QPoint b);
};

// Where an element is drawn on a sheet: the cell (1-based column and row) and
// the layout's margins and gaps in inches, with the card size in canvas units.
struct CPlacement {
    int nCol = 1;
    int nRow = 1;
    float fLeftMargin = 0.0f;
    float fTopMargin = 0.0f;
    float fRowGap = 0.0f;
    float fColGap = 0.0f;
    int nCardWidth = 0;
    int nCardHeight = 0;

    // Displacement of the element in canvas units.
    int Dx() const;
    int Dy() const;
    // 100 x inches cut towards zero. The product is formed in double
    // precision, so a 0.29 in gap (the float just below 0.29) gives 28.
    static int Hundredths(float fInches);
};

// The base of every object placed on a card. Fields keep their declaration
// order and names; all geometry is in canvas units (1/100 inch) with the
// card's top-left corner at (50, 50).
class CElement {
public:
    CElement();
    virtual ~CElement();
    CElement(const CElement&) = delete;
    CElement& operator=(const CElement&) = delete;

    // The registered class name, e.g. "CRectangle".
    virtual const char* GetClassName() const { return "CElement"; }

    virtual void Serialize(CArchive& ar);
    virtual std::unique_ptr<CElement> Clone() const;

    // Draws at the element's canvas position (cell 1, 1 without margins).
    virtual void Draw(QPainter& g);
    virtual void DrawToDC(QPainter& dc);
    // The core drawing routine; the painter's world unit is one canvas unit.
    virtual void Render(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin,
                        float fRowGap, float fColGap, int nCardWidth, int nCardHeight);
    // As Render; bPrinting tells text that it goes to a printer (our painters
    // do not carry that flag themselves).
    virtual void RenderToDC(QPainter& dc, int nCol, int nRow, float fLeftMargin, float fTopMargin,
                            float fRowGap, float fColGap, int nCardWidth, int nCardHeight,
                            bool bPrinting);

    bool HitTest(QPoint pt) const;
    CRect GetBounds() const { return m_rcBounds; }
    virtual void MoveTo(const CRect& rc);
    virtual void ResizeTo(const CRect& rc);
    virtual void AddPoint(QPoint pt);

    // Convenience over Render with a placement record.
    void Render(QPainter& g, const CPlacement& p) {
        Render(g, p.nCol, p.nRow, p.fLeftMargin, p.fTopMargin, p.fRowGap, p.fColGap, p.nCardWidth, p.nCardHeight);
    }

    // The rotated, grown box that HitTest uses.
    CRect HitBox() const;

public:
    int32_t m_nSide = 0;
    int16_t m_nType = 0;
    CLogFont m_font;
    int32_t m_nHAlign = 0;
    int32_t m_nVAlign = 0;
    QString m_strText;
    int32_t m_bVertical = 0;
    int32_t m_bLocked = 0;
    QRgb m_clrText = 0xFF000000;
    QRgb m_clrBorder = 0xFF000000;
    QRgb m_clrFill = 0xFF000000;
    QRgb m_clrPattern = 0xFF000000;
    CRect m_rcBounds;
    int32_t m_nReserved = 0;
    int32_t m_nBorderWidth = 0;
    int32_t m_nDashStyle = 0;
    int32_t m_nFillPattern = 0;
    int32_t m_bNoFill = 0;
    int32_t m_bShadow = 0;
    int32_t m_nRotation = 0;
    int32_t m_nShadowOffset = 6;
    QRgb m_clrShadow = 0xFF000000;
    uint8_t m_nAlpha = 255;
    int32_t m_nLineDir = 0;

protected:
    // The copy step every Clone ends with: all settings but the lock flag and
    // the shadow offset.
    void CopyCommonTo(CElement& dst) const;
    // Replaces the alpha of every colour the element draws with by m_nAlpha.
    void PrepareColors();
};
