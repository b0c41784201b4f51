#pragma once

#include "document/COstrelsDoc.h"
#include "printing/CPrintSettings.h"

#include <QSizeF>
#include <QString>

// Many-up sheets written to a PDF file, as printing would print them: shapes
// and text stay vectors, and a picture drawn in every cell is stored once.
namespace SheetPdf {
// Writes the settings' page count on paper of the given size in inches (wider
// than tall prints landscape). The file is replaced only when the whole PDF
// was written; false and a message when it could not be.
bool Write(const QString& path, const COstrelsDoc& doc, CPrintSettings& s, QSizeF sheetInches,
           QString* pstrError);
}  // namespace SheetPdf
