#pragma once

#include <QStringList>

// One function per batch switch. Each takes the arguments after the switch and
// returns the process exit status (0 done, 1 file error, 2 usage error).
namespace BatchCommands {
struct CCommand {
    const char* szSwitch;  // "--info"
    const char* szUsage;   // "--info FILE"
    int (*run)(const QStringList& args);
};

// The table of every batch command, in the order usage lists them.
const CCommand* Table(int* pnCount);
// Writes "usage: kestova <szUsage>" to standard error and returns 2.
int UsageError(const char* szUsage);

// --info FILE: the design as one JSON object on standard output.
int RunInfo(const QStringList& args);
// --convert OUT IN: reads IN (either format), writes OUT in the current one.
int RunConvert(const QStringList& args);
// --export-image OUT [--dpi N] [--side 1|2] FILE: one side as a picture file,
// as Save As Image writes it (300 dpi and the front unless told otherwise).
int RunExportImage(const QStringList& args);
// --print-pdf OUT [options] FILE: the sheets printing would print, as a PDF.
int RunPrintPdf(const QStringList& args);
}  // namespace BatchCommands
