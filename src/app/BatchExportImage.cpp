#include "app/BatchCommands.h"
#include "document/COstrelsDoc.h"
#include "document/SideImageExport.h"

#include <cstdio>

namespace {
const char* const kUsage = "--export-image OUT [--dpi N] [--side 1|2] FILE";
// The resolutions the Save As Image dialog offers: 100 to 600 in steps of 100.
constexpr int kMinDpi = 100;
constexpr int kMaxDpi = 600;
constexpr int kDpiStep = 100;
constexpr int kDefaultDpi = 300;

struct CExportArgs {
    QString strOut;
    QString strFile;
    int nDpi = kDefaultDpi;
    int nSide = 1;
};

// The value after an option as a whole number, or false.
bool TakeNumber(const QStringList& args, qsizetype& i, int& n)
{
    if (i + 1 >= args.size())
        return false;
    bool bOk = false;
    n = args[++i].toInt(&bOk);
    return bOk;
}

bool Parse(const QStringList& args, CExportArgs& a)
{
    if (args.isEmpty() || args[0].startsWith(QLatin1String("--")))
        return false;
    a.strOut = args[0];
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--dpi")) {
            if (!TakeNumber(args, i, a.nDpi) || a.nDpi < kMinDpi || a.nDpi > kMaxDpi || a.nDpi % kDpiStep != 0)
                return false;
        } else if (args[i] == QLatin1String("--side")) {
            if (!TakeNumber(args, i, a.nSide) || (a.nSide != 1 && a.nSide != 2))
                return false;
        } else if (a.strFile.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            a.strFile = args[i];
        } else {
            return false;
        }
    }
    return !a.strFile.isEmpty();
}
}  // namespace

int BatchCommands::RunExportImage(const QStringList& args)
{
    CExportArgs a;
    if (!Parse(args, a))
        return UsageError(kUsage);
    COstrelsDoc doc;
    if (!doc.OnOpenDocument(a.strFile))
        return 1;  // the reader has said why
    if (a.nSide > doc.m_nSides) {
        std::fprintf(stderr, "%s has no back side.\n", qPrintable(a.strFile));
        return 1;
    }
    QString error;
    if (!SideImageExport::Export(doc, a.nSide, a.nDpi, a.strOut, &error)) {
        std::fprintf(stderr, "Failed to save.\n%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
