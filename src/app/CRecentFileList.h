#pragma once

#include <QString>
#include <QStringList>

// The designs opened or saved last, newest first, kept in the settings file
// under "Recent File List" as "File1" to "File4".
class CRecentFileList {
public:
    static constexpr int kSize = 4;
    static constexpr int kDisplayLength = 30;

    // Reads the list from the settings file.
    void Load();
    // Puts path at the top (once); the oldest entry falls off. Written at once.
    void Add(const QString& path);
    void Remove(int nIndex);

    const QStringList& Paths() const { return m_paths; }
    int Size() const { return static_cast<int>(m_paths.size()); }

    // Menu text of entry nIndex: "&1 " and the path shortened to fit the menu.
    QString MenuText(int nIndex) const;

    // The path cut to at most nMax characters by leaving out folders after the
    // root ("/.../folder/name.kvzd"); just the file name when even that is too long.
    static QString Abbreviate(const QString& path, int nMax);

private:
    void Save() const;
    QStringList m_paths;
};
