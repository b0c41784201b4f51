#include "platform/CSettings.h"

#include "platform/ColorRef.h"
#include "platform/SettingNames.h"

#include <QSettings>
#include <memory>

namespace {
QString& OverridePath()
{
    static QString path;
    return path;
}

QString OptionKey(const QString& name)
{
    return QStringLiteral("%1/%2").arg(QLatin1String(SettingNames::kGroupOptions), name);
}
}  // namespace

void CSettings::SetFileOverride(const QString& path) { OverridePath() = path; }

std::unique_ptr<QSettings> CSettings::Open()
{
    if (!OverridePath().isEmpty())
        return std::make_unique<QSettings>(OverridePath(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Quarvel"), QStringLiteral("Kestova"));
}

QString CSettings::FilePath() { return Open()->fileName(); }

bool CSettings::HasOptions()
{
    auto s = Open();
    s->beginGroup(QLatin1String(SettingNames::kGroupOptions));
    return !s->childKeys().isEmpty();
}

std::optional<int> CSettings::ReadInt(const QString& name)
{
    const QVariant v = Open()->value(OptionKey(name));
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    // Values written by hand may be hexadecimal or exceed INT_MAX (colours).
    const QString text = v.toString().trimmed();
    qlonglong n = text.toLongLong(&ok, 0);
    if (!ok)
        return std::nullopt;
    return static_cast<int>(static_cast<quint32>(n));
}

int CSettings::ReadInt(const QString& name, int nDefault) { return ReadInt(name).value_or(nDefault); }

void CSettings::WriteInt(const QString& name, int nValue) { Open()->setValue(OptionKey(name), nValue); }

std::optional<QString> CSettings::ReadString(const QString& name)
{
    const QVariant v = Open()->value(OptionKey(name));
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

void CSettings::WriteString(const QString& name, const QString& value) { Open()->setValue(OptionKey(name), value); }

std::optional<QRgb> CSettings::ReadColor(const QString& name)
{
    const auto n = ReadInt(name);
    if (!n)
        return std::nullopt;
    return ColorRefToArgb(static_cast<quint32>(*n));
}

void CSettings::WriteColor(const QString& name, QRgb argb)
{
    WriteInt(name, static_cast<int>(ArgbToColorRef(argb)));
}

void CSettings::Remove(const QString& name) { Open()->remove(OptionKey(name)); }
