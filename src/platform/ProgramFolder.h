#pragma once

#include <QString>

// The folder that holds the program's data ("paperstock.lay", "tips.dat",
// "Templates", "Samples", "Backgrounds", "Graphics"): the executable's own
// folder in a build tree, <prefix>/share/kestova once installed.
namespace ProgramFolder {
QString Path();
// Tests point the program at a folder of their own; empty restores the default.
void SetOverride(const QString& path);
QString Child(const QString& name);  // Path() + "/" + name

// The user's own data folder (organisation "Quarvel", application "Kestova"),
// where files go that the program folder does not let this user write.
QString UserDataPath();
// Tests use a folder of their own; empty restores the default.
void SetUserDataOverride(const QString& path);
}  // namespace ProgramFolder
