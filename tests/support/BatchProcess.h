#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program run as a user would run a batch command.
struct CRun {
    int nExit = -1;  // -1 when it crashed or hung
    QByteArray out;
    QString err;  // trimmed
};

// Runs kestova with args. Its user data folder is one of the test's own, so
// nothing the machine's user keeps (their own layouts) is read.
CRun RunKestova(const QStringList& args);
