#include "elements/CText.h"

#include "elements/ElementDrawing.h"
#include "elements/TextLayout.h"

#include <QPainter>
#include <QTextLayout>

namespace {
// How far along the free space an alignment value puts the text: 0 near,
// 1 centre, 2 far; any other value stays near.
qreal AlignFactor(int nAlign)
{
    switch (nAlign) {
    case 1: return 0.5;
    case 2: return 1.0;
    default: return 0.0;
    }
}

// On paper the box grows by this share of its width, away from the alignment
// edge, because printer fonts tend to run wider than the screen's.
constexpr float kPrintWidening = 0.3f;

void WidenForPrinting(QRectF& rc, int nHAlign)
{
    const float c = kPrintWidening * float(rc.width());
    switch (nHAlign) {
    case 0: rc.setWidth(rc.width() + c); break;
    case 1: rc.setLeft(rc.left() - 0.5f * c); rc.setWidth(rc.width() + 0.5f * c); break;
    case 2: rc.setLeft(rc.left() - c); break;
    default: break;
    }
}

// One set line, laid out on its own so it can be placed and turned freely.
class CSetLine {
public:
    CSetLine(const QString& text, const QFont& font) : m_layout(text, font, TextLayout::MeasureDevice())
    {
        QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(Qt::LeftToRight);
        m_layout.setTextOption(option);
        m_layout.beginLayout();
        m_line = m_layout.createLine();
        m_layout.endLayout();
    }
    qreal Width() const { return m_line.isValid() ? m_line.naturalTextWidth() : 0; }
    // Draws with the line's top-left corner at the painter's origin.
    void Draw(QPainter& g) const
    {
        if (m_line.isValid())
            m_line.draw(&g, QPointF(0, 0));
    }

private:
    QTextLayout m_layout;
    QTextLine m_line;
};
}  // namespace

void CText::RenderText(QPainter& g, int nCol, int nRow, float fLeftMargin, float fTopMargin, float fRowGap,
                       float fColGap, int nCardWidth, int nCardHeight, bool bPrinting)
{
    PrepareColors();
    m_clrText = (m_clrText & 0x00FFFFFFu) | (QRgb(m_nAlpha) << 24);
    if (m_strText.isEmpty() || m_font.lfHeight <= 0)
        return;

    const CPlacement placement{nCol, nRow, fLeftMargin, fTopMargin, fRowGap, fColGap, nCardWidth, nCardHeight};
    QRectF rc = ElementDrawing::DrawingRect(m_rcBounds, placement);

    g.save();
    ElementDrawing::RotateAboutCentre(g, rc, m_nRotation);
    // Widened after turning, so the box still turns about its screen centre.
    if (bPrinting)
        WidenForPrinting(rc, m_nHAlign);

    // Vertical text reads down each column and sets its columns left to right;
    // "along" runs with the reading direction, "across" from line to line.
    const bool bVertical = m_bVertical != 0;
    const qreal fLineLength = bVertical ? rc.height() : rc.width();
    const qreal fDepth = bVertical ? rc.width() : rc.height();
    const QFont font = TextLayout::FontFor(m_font);
    const TextLayout::CSetLines set = TextLayout::SetLines(m_strText, font, fLineLength, fDepth);

    g.setClipRect(rc, Qt::IntersectClip);
    g.setPen(QColor::fromRgba(m_clrText));
    g.setRenderHint(QPainter::TextAntialiasing, true);
    const qreal fBlock = set.lines.size() * set.fLineSpacing;
    const qreal fAcross0 = (fDepth - fBlock) * AlignFactor(m_nVAlign);
    for (qsizetype i = 0; i < set.lines.size(); ++i) {
        const CSetLine line(set.lines[i], font);
        const qreal fAlong = (fLineLength - line.Width()) * AlignFactor(m_nHAlign);
        const qreal fAcross = fAcross0 + i * set.fLineSpacing;
        g.save();
        if (bVertical) {
            // Turned a quarter clockwise: the line's top faces right.
            g.translate(rc.left() + fAcross + set.fLineSpacing, rc.top() + fAlong);
            g.rotate(90);
        } else {
            g.translate(rc.left() + fAlong, rc.top() + fAcross);
        }
        line.Draw(g);
        g.restore();
    }
    g.restore();
}
