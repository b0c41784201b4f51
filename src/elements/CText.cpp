#include "elements/CText.h"

CLogFont CText::DefaultFont()
{
    CLogFont f;
    f.lfHeight = 12;
    f.lfWeight = 400;
    f.lfCharSet = 0;           // ANSI
    f.lfOutPrecision = 0;      // default
    f.lfClipPrecision = 0;     // default
    f.lfQuality = 0;           // default
    f.lfPitchAndFamily = 0x20; // swiss family
    f.SetFaceName(QStringLiteral("Arial Narrow"));
    return f;
}

CText::CText() { m_font = DefaultFont(); }

CText::CText(QPoint pt1, QPoint pt2)
{
    m_font = DefaultFont();
    m_nType = ElementType::kText;
    m_rcBounds = CRect::Normalized(pt1, pt2);
    m_strText.clear();
    m_nRotation = 0;
    m_nHAlign = 0;
    m_nVAlign = 0;
    m_bVertical = 0;
    m_clrText = 0xFF000000;
}

std::unique_ptr<CElement> CText::Clone() const
{
    auto p = std::make_unique<CText>(QPoint(m_rcBounds.left, m_rcBounds.top), QPoint(m_rcBounds.right, m_rcBounds.bottom));
    CopyCommonTo(*p);
    p->m_font = m_font;
    return p;
}

// Text is drawn by RenderText; Render itself draws nothing.
void CText::Render(QPainter&, int, int, float, float, float, float, int, int) {}

void CText::Draw(QPainter& g) { RenderText(g, 1, 1, 0, 0, 0, 0, 0, 0, false); }

void CText::RenderToDC(QPainter& dc, int nCol, int nRow, float fLeftMargin, float fTopMargin,
                       float fRowGap, float fColGap, int nCardWidth, int nCardHeight, bool bPrinting)
{
    RenderText(dc, nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth, nCardHeight, bPrinting);
}
