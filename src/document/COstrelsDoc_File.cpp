#include "document/COstrelsDoc.h"

#include "platform/CPrompt.h"

// Card files are not built yet. Opening and saving refuse plainly instead of
// pretending; the commands that reach them stay disabled meanwhile.
namespace {
const char* const kNotYet = "Card files cannot be read or written by this build.";
}

void COstrelsDoc::Serialize(CArchive&) {}

bool COstrelsDoc::OnOpenDocument(const QString&)
{
    CPrompt::Instance().Show(QLatin1String(kNotYet), CPrompt::Ok, CPrompt::Error);
    return false;
}

bool COstrelsDoc::OnSaveDocument(const QString&)
{
    CPrompt::Instance().Show(QLatin1String(kNotYet), CPrompt::Ok, CPrompt::Error);
    return false;
}

bool COstrelsDoc::DoSave(const QString& path, bool) { return OnSaveDocument(path); }
