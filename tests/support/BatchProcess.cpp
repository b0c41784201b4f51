#include "support/BatchProcess.h"

#include "support/TestEnvironment.h"

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
