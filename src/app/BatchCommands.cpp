#include "app/BatchCommands.h"

#include <cstdio>

namespace BatchCommands {
namespace {
const CCommand kTable[] = {
    {"--info", "--info FILE", &RunInfo},
    {"--convert", "--convert OUT IN", &RunConvert},
    {"--export-image", "--export-image OUT [--dpi N] [--side 1|2] FILE", &RunExportImage},
    {"--print-pdf", "--print-pdf OUT [options] FILE", &RunPrintPdf},
};
}  // namespace

const CCommand* Table(int* pnCount)
{
    *pnCount = int(sizeof kTable / sizeof kTable[0]);
    return kTable;
}
int UsageError(const char* szUsage)
{
    std::fprintf(stderr, "usage: kestova %s\n", szUsage);
    return 2;
}
}  // namespace BatchCommands
