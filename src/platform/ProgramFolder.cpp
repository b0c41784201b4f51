#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& Override()
{
    static QString s;
    return s;
}
}  // namespace

void ProgramFolder::SetOverride(const QString& path) { Override() = path; }

QString ProgramFolder::Path()
{
    if (!Override().isEmpty())
        return Override();
    const QString exeDir = QCoreApplication::applicationDirPath();
    // A build tree keeps the data beside the executable.
    if (QFileInfo::exists(exeDir + QStringLiteral("/paperstock.lay")))
        return exeDir;
    const QString installed = QDir::cleanPath(exeDir + QStringLiteral("/../share/kestova"));
    if (QFileInfo::exists(installed))
        return installed;
    return exeDir;
}

QString ProgramFolder::Child(const QString& name) { return Path() + QLatin1Char('/') + name; }
