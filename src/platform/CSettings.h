#pragma once

#include <QColor>
#include <QRgb>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class QSettings;

// The program's persistent options: an INI file per user (organisation
// "Quarvel", application "Kestova"), value names under the group "Options".
// Colours are kept as 0x00BBGGRR integers so the numbers users and tools see
// match the ones the program has always used.
class CSettings {
public:
    // Redirects every CSettings to the INI file at path (tests); an empty path
    // returns to the user's own settings.
    static void SetFileOverride(const QString& path);
    static QString FilePath();

    // True when the "Options" group holds any value (the key exists).
    static bool HasOptions();

    static std::optional<int> ReadInt(const QString& name);
    static int ReadInt(const QString& name, int nDefault);
    static void WriteInt(const QString& name, int nValue);

    static std::optional<QString> ReadString(const QString& name);
    static void WriteString(const QString& name, const QString& value);

    // Colour values: stored 0x00BBGGRR, handed out as opaque ARGB.
    static std::optional<QRgb> ReadColor(const QString& name);
    static void WriteColor(const QString& name, QRgb argb);

    static void Remove(const QString& name);

    // Whole-file access for sections other than "Options" (recent files).
    static std::unique_ptr<QSettings> Open();
};
