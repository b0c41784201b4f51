#include "printing/SheetComposition.h"

#include "platform/CPrompt.h"

#include <QPaintDevice>
#include <QPainter>
#include <exception>

namespace {
const char* const kMsgUnexpected =
    "Unexpected Error occurred... \nPlease close and re-open the application and try again!";

// A typical printer's unprintable strips, in inches for the offsets and in
// canvas units for the sheet origin.
constexpr float kUnprintableAcross = 0.25f;
constexpr float kUnprintableDown = 0.03f;
constexpr int kUnprintableAcrossUnits = 25;
constexpr int kUnprintableDownUnits = 3;
// Elements sit at (50, 50) on the canvas; the offsets take that half inch back.
constexpr float kCanvasCardOrigin = 0.5f;
constexpr int kCardOrigin = 50;
// Marks are 20 units long, centred on the corner or edge they mark.
constexpr int kMarkHalf = 10;

QRgb FaceColour(const COstrelsDoc& doc)
{
    if (doc.m_nCurrentSide == CPrintSettings::kFront)
        return doc.m_clrFront;
    if (doc.m_nCurrentSide == CPrintSettings::kBack)
        return doc.m_clrBack;
    return 0xFFFFFFFF;
}

void DrawMark(QPainter& dc, int x1, int y1, int x2, int y2) { dc.drawLine(QLine(x1, y1, x2, y2)); }

void DrawCellMarks(QPainter& dc, const CPrintSettings& s, const CRect& rc, SheetComposition::CCell cell)
{
    const int x = rc.left, y = rc.top, x2 = rc.right, y2 = rc.bottom;
    if (s.m_bCornerMarks) {
        DrawMark(dc, x - kMarkHalf, y, x + kMarkHalf, y);
        DrawMark(dc, x, y - kMarkHalf, x, y + kMarkHalf);
        DrawMark(dc, x2 - kMarkHalf, y2, x2 + kMarkHalf, y2);
        DrawMark(dc, x2, y2 - kMarkHalf, x2, y2 + kMarkHalf);
    }
    if (s.m_bCropMarks) {
        // Rows and columns count on the sheet: only its top row and left
        // column show where to cut.
        if (cell.nRow == 1) {
            DrawMark(dc, x, y - kMarkHalf, x, y + kMarkHalf);
            DrawMark(dc, x2, y - kMarkHalf, x2, y + kMarkHalf);
        }
        if (cell.nCol == 1) {
            DrawMark(dc, x - kMarkHalf, y, x + kMarkHalf, y);
            DrawMark(dc, x - kMarkHalf, y2, x + kMarkHalf, y2);
        }
    }
}

// Saves the painter's state for the scope, exceptions included.
class CPainterState {
public:
    explicit CPainterState(QPainter& dc) : m_dc(dc) { m_dc.save(); }
    ~CPainterState() { m_dc.restore(); }
    CPainterState(const CPainterState&) = delete;
    CPainterState& operator=(const CPainterState&) = delete;

private:
    QPainter& m_dc;
};

void FillDeviceWhite(QPainter& dc)
{
    CPainterState keep(dc);
    dc.resetTransform();
    const QRectF box = dc.hasClipping() ? dc.clipBoundingRect()
                                        : QRectF(0, 0, dc.device()->width(), dc.device()->height());
    dc.fillRect(box, Qt::white);
}
}  // namespace

QPoint SheetComposition::SheetOrigin(bool bLandscape)
{
    const QPoint portrait(kUnprintableAcrossUnits, kUnprintableDownUnits);
    return bLandscape ? portrait.transposed() : portrait;
}

void SheetComposition::MapPaperToSheet(QPainter& dc, double fDpiX, double fDpiY, bool bLandscape)
{
    dc.scale(fDpiX / 100.0, fDpiY / 100.0);
    dc.translate(SheetOrigin(bLandscape));
}

void SheetComposition::ComputeOffsets(CPrintSettings& s)
{
    // Kept in single precision step by step: the truncations that place the
    // cards depend on the exact float.
    if (s.m_bLandscape) {
        s.m_fLeftOffset = s.m_fLeftMargin - kUnprintableDown - kCanvasCardOrigin;
        s.m_fTopOffset = s.m_fTopMargin - kUnprintableAcross - kCanvasCardOrigin;
    } else {
        s.m_fLeftOffset = s.m_fLeftMargin - kUnprintableAcross - kCanvasCardOrigin;
        s.m_fTopOffset = s.m_fTopMargin - kUnprintableDown - kCanvasCardOrigin;
    }
}

std::vector<SheetComposition::CCell> SheetComposition::CellsOfPage(const CPrintSettings& s, int nPage)
{
    const int nStartRow = nPage == 1 ? s.m_nStartRow : 1;
    const int nStartCol = nPage == 1 ? s.m_nStartCol : 1;
    std::vector<CCell> cells;
    for (int r = nStartRow; r <= s.m_nPrintRows; ++r)
        for (int c = r == nStartRow ? nStartCol : 1; c <= s.m_nPrintCols; ++c)
            cells.push_back({c, r});
    return cells;
}

CRect SheetComposition::CellRect(const CPrintSettings& s, int nCardWidth, int nCardHeight, CCell cell)
{
    // The same displacement the elements apply, so a design's card corner
    // lands on the cell's corner.
    const CPlacement p{cell.nCol, cell.nRow, s.m_fLeftOffset, s.m_fTopOffset, s.m_fRowGap, s.m_fColGap,
                       nCardWidth, nCardHeight};
    const int x = p.Dx() + kCardOrigin;
    const int y = p.Dy() + kCardOrigin;
    return {x, y, x + nCardWidth, y + nCardHeight};
}

bool SheetComposition::HasBackElements(const COstrelsDoc& doc)
{
    for (const auto& p : doc.m_elements)
        if (p->m_nSide == CPrintSettings::kBack)
            return true;
    return false;
}

void SheetComposition::ComposePrintPage(QPainter& dc, int nPage, const COstrelsDoc& doc, CPrintSettings& s)
{
    try {
        FillDeviceWhite(dc);
        ComputeOffsets(s);
        const int nCardWidth = doc.m_nCardWidth;
        const int nCardHeight = doc.m_nCardHeight;
        const std::vector<CCell> cells = CellsOfPage(s, nPage);

        {
            CPainterState keep(dc);
            const QColor face = QColor::fromRgba(FaceColour(doc));
            QPen pen(Qt::black, 1);
            pen.setCapStyle(Qt::FlatCap);
            dc.setPen(pen);
            for (CCell cell : cells) {
                const CRect rc = CellRect(s, nCardWidth, nCardHeight, cell);
                dc.fillRect(QRectF(rc.left, rc.top, nCardWidth, nCardHeight), face);
                DrawCellMarks(dc, s, rc, cell);
            }
        }

        // A design without a back prints its front whichever side is asked for.
        for (CCell cell : cells) {
            for (const auto& element : doc.m_elements) {
                if (s.m_bHasBackElements && element->m_nSide != s.m_nPrintSide)
                    continue;
                element->RenderToDC(dc, cell.nCol, cell.nRow, s.m_fLeftOffset, s.m_fTopOffset, s.m_fRowGap,
                                    s.m_fColGap, nCardWidth, nCardHeight, true);
            }
        }
    } catch (const std::exception&) {
        // The page ends as far as it got; the other pages still print.
        CPrompt::Instance().Show(QLatin1String(kMsgUnexpected), CPrompt::Ok, CPrompt::Error);
    }
}
