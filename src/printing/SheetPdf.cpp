#include "printing/SheetPdf.h"

#include "printing/SheetComposition.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {
// Device units of the PDF painter; fine enough that every canvas unit maps to
// a whole number of them.
constexpr int kPdfDpi = 300;
}  // namespace

bool SheetPdf::Write(const QString& path, const COstrelsDoc& doc, CPrintSettings& s, QSizeF sheetInches,
                     QString* pstrError)
{
    const bool bLandscape = sheetInches.width() > sheetInches.height();
    // Stock sizes within a hair of a standard paper are that paper, so
    // viewers and printers pick the right tray.
    const QPageSize pageSize(bLandscape ? sheetInches.transposed() : sheetInches, QPageSize::Inch, QString(),
                             QPageSize::FuzzyMatch);
    QPageLayout layout(pageSize, bLandscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *pstrError = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(layout);
        writer.setTitle(doc.GetTitle());
        writer.setCreator(QStringLiteral("Quarvel Kestova"));
        QPainter dc;
        if (!dc.begin(&writer)) {
            *pstrError = QStringLiteral("Cannot write %1").arg(path);
            file.cancelWriting();
            return false;
        }
        s.m_bLandscape = bLandscape;
        for (int nPage = 1; nPage <= s.m_nPrintPages; ++nPage) {
            if (nPage > 1)
                writer.newPage();
            // Set afresh on every page: a page cut short by a failing element
            // must not shift the next.
            dc.resetTransform();
            SheetComposition::MapPaperToSheet(dc, writer.resolution(), writer.resolution(), bLandscape);
            SheetComposition::ComposePrintPage(dc, nPage, doc, s);
        }
        dc.end();
    }
    if (!file.commit()) {
        *pstrError = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
