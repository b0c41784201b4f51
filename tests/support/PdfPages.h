#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The pages of a PDF file as a viewer shows them, rendered by poppler at
// nDpi dots per inch; empty when the file does not render.
QList<QImage> RenderPdfPages(const QString& pdf, int nDpi);
