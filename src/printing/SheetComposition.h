#pragma once

#include "document/COstrelsDoc.h"
#include "elements/CElement.h"
#include "printing/CPrintSettings.h"

#include <QPoint>
#include <vector>

class QPainter;

// Many-up sheets: where the card cells of a page lie and how each is drawn.
// The same routine draws for the printer, the preview, PDF files and tests.
namespace SheetComposition {
// Printers cannot print at the paper's very edge; sheets are composed from an
// origin that sits where a typical printer's printable area begins (0.25 in
// across and 0.03 in down the paper in portrait, the other way round in
// landscape). The margin arithmetic takes those distances back off, so a card
// lands at the layout's margin measured from the paper's edge.
QPoint SheetOrigin(bool bLandscape);
// Sets up a painter whose device origin is the paper's top-left corner, at
// the given dots per inch, to compose in canvas units from SheetOrigin.
void MapPaperToSheet(QPainter& dc, double fDpiX, double fDpiY, bool bLandscape);

// The left and top offsets in inches, from the margins and the orientation.
void ComputeOffsets(CPrintSettings& s);

struct CCell {
    int nCol = 1;  // 1-based
    int nRow = 1;
    bool operator==(const CCell&) const = default;
};
// The cells of a page in the order they are drawn; page 1 starts at the
// chosen start cell, every other page at row 1, column 1.
std::vector<CCell> CellsOfPage(const CPrintSettings& s, int nPage);
// A cell's card rectangle in canvas units (offsets already computed).
CRect CellRect(const CPrintSettings& s, int nCardWidth, int nCardHeight, CCell cell);

// Whether any element of the design lies on the back side.
bool HasBackElements(const COstrelsDoc& doc);

// Draws page nPage (1-based): the face colour of every cell with its marks,
// then the elements of the side to print into every cell. The painter's unit
// is one canvas unit (1/100 inch) from the sheet origin.
void ComposePrintPage(QPainter& dc, int nPage, const COstrelsDoc& doc, CPrintSettings& s);
}  // namespace SheetComposition
