#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Running the program's batch mode as a separate process.
struct CRun {
    int nExit = -1;  // -1 when the process crashed or did not finish
    QByteArray out;
    QString err;  // trimmed
};

// Runs kestova (the one this build made) with args and waits for it.
CRun RunKestova(const QStringList& args);

// The whole content of a file; empty when it cannot be read.
QByteArray FileBytes(const QString& path);
