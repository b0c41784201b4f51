#include "app/CRecentFileList.h"

#include "platform/CSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const char* const kSection = "Recent File List";

QString EntryKey(int n) { return QStringLiteral("%1/File%2").arg(QLatin1String(kSection)).arg(n); }
}  // namespace

void CRecentFileList::Load()
{
    m_paths.clear();
    const auto settings = CSettings::Open();
    for (int n = 1; n <= kSize; ++n) {
        const QString path = settings->value(EntryKey(n)).toString();
        if (!path.isEmpty() && !m_paths.contains(path))
            m_paths << path;
    }
}

void CRecentFileList::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString full = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(full);
    m_paths.prepend(full);
    while (m_paths.size() > kSize)
        m_paths.removeLast();
    Save();
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_paths.size())
        return;
    m_paths.removeAt(nIndex);
    Save();
}

void CRecentFileList::Save() const
{
    const auto settings = CSettings::Open();
    settings->remove(QLatin1String(kSection));
    for (int i = 0; i < m_paths.size(); ++i)
        settings->setValue(EntryKey(i + 1), m_paths[i]);
}

QString CRecentFileList::MenuText(int nIndex) const
{
    QString shown = Abbreviate(m_paths.value(nIndex), kDisplayLength);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(shown);
}

QString CRecentFileList::Abbreviate(const QString& path, int nMax)
{
    if (path.size() <= nMax)
        return path;
    const qsizetype nSlash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(nSlash + 1);
    if (nSlash < 0 || name.size() > nMax)
        return name;
    // Keep the root, then drop leading folders until the rest fits after "...".
    const qsizetype nRootEnd = path.startsWith(QLatin1Char('/')) ? 1 : 0;
    const QString root = path.left(nRootEnd);
    const QString ellipsis = QStringLiteral(".../");
    qsizetype nFrom = path.indexOf(QLatin1Char('/'), nRootEnd);
    while (nFrom >= 0 && nFrom < nSlash) {
        const QString tail = path.mid(nFrom + 1);
        if (root.size() + ellipsis.size() + tail.size() <= nMax)
            return root + ellipsis + tail;
        nFrom = path.indexOf(QLatin1Char('/'), nFrom + 1);
    }
    if (root.size() + ellipsis.size() + name.size() <= nMax)
        return root + ellipsis + name;
    return name;
}
