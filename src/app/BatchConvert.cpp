#include "app/BatchCommands.h"
#include "document/COstrelsDoc.h"

int BatchCommands::RunConvert(const QStringList& args)
{
    if (args.size() != 2)
        return UsageError("--convert OUT IN");
    COstrelsDoc doc;
    if (!doc.OnOpenDocument(args[1]) || !doc.OnSaveDocument(args[0]))
        return 1;
    return 0;
}
