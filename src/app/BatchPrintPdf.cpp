#include "app/BatchCommands.h"
#include "document/COstrelsDoc.h"
#include "printing/CPaperStockLayouts.h"
#include "printing/SheetComposition.h"
#include "printing/SheetPdf.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {
const char* const kUsage =
    "--print-pdf OUT [--layout NAME|INDEX] [--pages N] [--start-row R] [--start-col C] [--side 1|2] "
    "[--crop-marks] [--corner-marks] FILE";

// The bounds the print options dialog puts on what it hands to printing.
constexpr int kMaxPages = 1000;
constexpr int kMaxCount = 20;  // rows and columns lists run from 1 to 20
constexpr float kMaxLength = 15.0f;
// A PDF page is at most 200 inches on a side.
constexpr int kMaxSheet = 20000;

struct COptions {
    QString strOut;
    QString strFile;
    QString strLayout;  // empty: the first layout
    int nPages = 1;
    int nStartRow = 1;
    int nStartCol = 1;
    int nSide = CPrintSettings::kFront;
    bool bCropMarks = false;
    bool bCornerMarks = false;
};

void Complain(const QString& text) { std::fprintf(stderr, "kestova: %s\n", text.toLocal8Bit().constData()); }

std::optional<COptions> Parse(const QStringList& args)
{
    COptions o;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--crop-marks")) {
            o.bCropMarks = true;
            continue;
        }
        if (a == QLatin1String("--corner-marks")) {
            o.bCornerMarks = true;
            continue;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            files << a;
            continue;
        }
        if (i + 1 >= args.size()) {
            Complain(QStringLiteral("%1 needs a value").arg(a));
            return std::nullopt;
        }
        const QString value = args[++i];
        if (a == QLatin1String("--layout")) {
            o.strLayout = value;
            continue;
        }
        int* pn = a == QLatin1String("--pages")       ? &o.nPages
                  : a == QLatin1String("--start-row") ? &o.nStartRow
                  : a == QLatin1String("--start-col") ? &o.nStartCol
                  : a == QLatin1String("--side")      ? &o.nSide
                                                      : nullptr;
        bool ok = false;
        if (pn)
            *pn = value.toInt(&ok);
        if (!pn || !ok) {
            Complain(pn ? QStringLiteral("%1 takes a whole number, not \"%2\"").arg(a, value)
                        : QStringLiteral("unknown option %1").arg(a));
            return std::nullopt;
        }
    }
    if (files.size() != 2) {
        Complain(QStringLiteral("an output file and a card file are needed"));
        return std::nullopt;
    }
    o.strOut = files[0];
    o.strFile = files[1];
    return o;
}

int UsageWithLayouts(const QString& problem, const CPaperStockLayouts& layouts)
{
    Complain(problem);
    std::fprintf(stderr, "layouts in %s:\n", CPaperStockLayouts::FilePath().toLocal8Bit().constData());
    const QStringList& names = layouts.ListedNames();
    for (int i = 0; i < names.size(); ++i)
        std::fprintf(stderr, "  %d  %s\n", i + 1, names[i].toLocal8Bit().constData());
    return BatchCommands::UsageError(kUsage);
}

// A number picks a layout by its place in the file; a text, or a number past
// the last layout (a product number), picks the first layout whose name
// contains it.
int FindLayout(const CPaperStockLayouts& layouts, const QString& strLayout)
{
    const QStringList& names = layouts.ListedNames();
    if (strLayout.isEmpty())
        return names.isEmpty() ? -1 : 0;
    bool bNumber = false;
    const int n = strLayout.toInt(&bNumber);
    if (bNumber && n >= 1 && n <= names.size())
        return n - 1;
    for (int i = 0; i < names.size(); ++i)
        if (names[i].contains(strLayout, Qt::CaseInsensitive))
            return i;
    return -1;
}

bool InRange(float f) { return f >= 0.0f && f <= kMaxLength; }

// What is wrong with the chosen layout or options, or an empty text.
QString CheckValues(const CLayoutState& st, int nSheetWidth, int nSheetHeight, const COptions& o)
{
    if (st.nRows < 0 || st.nRows > kMaxCount || st.nCols < 0 || st.nCols > kMaxCount)
        return QStringLiteral("the layout has %1 x %2 cards; at most %3 x %3 can print").arg(st.nRows).arg(st.nCols).arg(kMaxCount);
    if (!InRange(st.fColGap) || !InRange(st.fRowGap) || !InRange(st.fTopMargin) || !InRange(st.fLeftMargin))
        return QStringLiteral("the layout's gaps and margins must lie between 0 and 15 inches");
    if (nSheetWidth < 1 || nSheetHeight < 1 || nSheetWidth > kMaxSheet || nSheetHeight > kMaxSheet)
        return QStringLiteral("the layout's sheet size must lie between 0.01 and 200 inches");
    if (o.nPages < 1 || o.nPages > kMaxPages)
        return QStringLiteral("--pages must lie between 1 and %1").arg(kMaxPages);
    if (o.nStartRow < 1 || o.nStartRow > std::max(st.nRows, 1))
        return QStringLiteral("--start-row must lie between 1 and %1").arg(std::max(st.nRows, 1));
    if (o.nStartCol < 1 || o.nStartCol > std::max(st.nCols, 1))
        return QStringLiteral("--start-col must lie between 1 and %1").arg(std::max(st.nCols, 1));
    if (o.nSide != CPrintSettings::kFront && o.nSide != CPrintSettings::kBack)
        return QStringLiteral("--side must be 1 (front) or 2 (back)");
    return {};
}
}  // namespace

int BatchCommands::RunPrintPdf(const QStringList& args)
{
    const std::optional<COptions> o = Parse(args);
    if (!o)
        return UsageError(kUsage);

    COstrelsDoc doc;
    if (!doc.OnOpenDocument(o->strFile))
        return 1;

    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    if (layouts.ListedNames().isEmpty())
        return 1;  // the layout file could not be read; its message is out
    const int nLayout = FindLayout(layouts, o->strLayout);
    if (nLayout < 0)
        return UsageWithLayouts(QStringLiteral("no layout \"%1\"").arg(o->strLayout), layouts);
    if (CPaperStockLayouts::SplitString(layouts.Records()[nLayout], "|").size() < CPaperStockLayouts::kFieldCount)
        return UsageWithLayouts(QStringLiteral("layout %1 is incomplete").arg(nLayout + 1), layouts);

    // Applied as the print options dialog would: transposed for a portrait
    // card, with the sheet size rounded from its boxes.
    CLayoutState st;
    st.nCardWidth = doc.m_nCardWidth;
    st.nCardHeight = doc.m_nCardHeight;
    layouts.ApplyLayout(nLayout, st, 0);
    const int nSheetWidth = CPaperStockLayouts::SheetSizeFromBox(st.strSheetWidth, 0);
    const int nSheetHeight = CPaperStockLayouts::SheetSizeFromBox(st.strSheetHeight, 0);
    const QString problem = CheckValues(st, nSheetWidth, nSheetHeight, *o);
    if (!problem.isEmpty())
        return UsageWithLayouts(problem, layouts);

    CPrintSettings s;
    s.m_nPrintPages = o->nPages;
    s.m_nPrintRows = st.nRows;
    s.m_nPrintCols = st.nCols;
    s.m_nStartRow = o->nStartRow;
    s.m_nStartCol = o->nStartCol;
    s.m_fRowGap = st.fRowGap;
    s.m_fColGap = st.fColGap;
    s.m_fLeftMargin = st.fLeftMargin;
    s.m_fTopMargin = st.fTopMargin;
    s.m_bCropMarks = o->bCropMarks;
    s.m_bCornerMarks = o->bCornerMarks;
    s.m_nPrintSide = o->nSide;
    s.m_bHasBackElements = SheetComposition::HasBackElements(doc);
    // No window shows a side here: the cards take the face colour of the
    // side they print, when the design has that side.
    doc.m_nCurrentSide = o->nSide == CPrintSettings::kBack && doc.m_nSides >= 2 ? CPrintSettings::kBack
                                                                                 : CPrintSettings::kFront;

    QString error;
    if (!SheetPdf::Write(o->strOut, doc, s, QSizeF(nSheetWidth / 100.0, nSheetHeight / 100.0), &error)) {
        Complain(error);
        return 1;
    }
    return 0;
}
