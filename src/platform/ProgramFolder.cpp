#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& Override()
{
    static QString s;
    return s;
}

QString& UserDataOverride()
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

void ProgramFolder::SetUserDataOverride(const QString& path) { UserDataOverride() = path; }

QString ProgramFolder::UserDataPath()
{
    if (!UserDataOverride().isEmpty())
        return UserDataOverride();
    // Spelled out rather than taken from the application object, so the
    // windowed program and batch mode agree whatever names they were given.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quarvel/Kestova");
}
