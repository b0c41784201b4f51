#include "support/BatchRun.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
QString KestovaExe()
{
    const QString exe = qEnvironmentVariable("KESTOVA_EXE");
    return exe.isEmpty() ? QStringLiteral(KESTOVA_BINARY_DIR "/src/kestova") : exe;
}
}  // namespace

CRun RunKestova(const QStringList& args)
{
    QProcess p;
    // A user data folder of the test's own: nothing the machine's user keeps
    // (their own paper stock layouts) is read.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), CurrentTestEnvironment().Path(QStringLiteral("xdg")));
    p.setProcessEnvironment(env);
    p.start(KestovaExe(), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    CRun r;
    r.nExit = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
    return r;
}

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
