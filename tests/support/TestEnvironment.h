#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

// Every test runs against settings and a program folder of its own, so no test
// reads or writes the user's real options.
class CTestEnvironment {
public:
    CTestEnvironment();
    ~CTestEnvironment();

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Installs a fresh temporary settings file and program folder for each test.
void InstallTestEnvironmentListener();

// The temporary folder of the test running now.
const CTestEnvironment& CurrentTestEnvironment();
