#include "platform/CFileChooser.h"

#include <QDir>
#include <QFileInfo>

namespace {
class CCancellingChooser : public CFileChooser {
public:
    QString Choose(const CFileRequest&) override { return {}; }
};

CFileChooser*& Installed()
{
    static CFileChooser* p = nullptr;
    return p;
}
}  // namespace

CFileChooser& CFileChooser::Instance()
{
    static CCancellingChooser cancelling;
    return Installed() ? *Installed() : cancelling;
}

void CFileChooser::Install(CFileChooser* pChooser) { Installed() = pChooser; }

QStringList CFileChooser::QtFilters(const QString& strFilter)
{
    QStringList result;
    const QStringList parts = strFilter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts[i].trimmed();
        if (name.isEmpty())
            break;
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString t = p.trimmed();
            if (!t.isEmpty())
                patterns << t;
        }
        // Qt shows the patterns it finds in the parentheses; keep the user-facing
        // name and add the patterns only when the name carries none of its own.
        if (name.contains(QLatin1Char('(')) && name.endsWith(QLatin1Char(')')))
            result << name.left(name.indexOf(QLatin1Char('('))).trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        else
            result << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

QString CFileChooser::StartFolder(const QString& strStartPath)
{
    if (strStartPath.isEmpty())
        return QDir::homePath();
    const QFileInfo info(strStartPath);
    if (info.isDir())
        return info.absoluteFilePath();
    return info.absolutePath();
}

QString CScriptedFileChooser::Choose(const CFileRequest& request)
{
    m_requests.push_back(request);
    if (m_answers.empty())
        return {};
    QString s = m_answers.front();
    m_answers.pop_front();
    return s;
}
