#include "support/PdfPages.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

QList<QImage> RenderPdfPages(const QString& pdf, int nDpi)
{
    QTemporaryDir dir(CurrentTestEnvironment().Path(QStringLiteral("pages-XXXXXX")));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(nDpi), QStringLiteral("-png"), pdf, dir.filePath("p")});
    QList<QImage> pages;
    // pdftoppm pads page numbers to the same width, so names sort in page order.
    for (const QString& f : QDir(dir.path()).entryList({QStringLiteral("p-*.png")}, QDir::Files, QDir::Name))
        pages << QImage(dir.filePath(f));
    return pages;
}
