#include "app/BatchMode.h"

#include "app/BatchCommands.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {
const BatchCommands::CCommand* Find(const char* sw)
{
    int n = 0;
    const BatchCommands::CCommand* table = BatchCommands::Table(&n);
    for (int i = 0; i < n; ++i)
        if (std::strcmp(table[i].szSwitch, sw) == 0)
            return &table[i];
    return nullptr;
}
}  // namespace

bool BatchMode::IsBatchInvocation(int argc, char** argv)
{
    return argc > 1 && Find(argv[1]) != nullptr;
}

int BatchMode::Run(int argc, char** argv)
{
    // Batch work never opens a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const BatchCommands::CCommand* cmd = Find(argv[1]);
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return cmd->run(args);
}
