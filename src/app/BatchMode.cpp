#include "app/BatchMode.h"

#include "app/BatchCommands.h"
#include "platform/CPrompt.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {
// Batch mode has no window: every message goes to standard error and is
// answered as the prompt in force before would have answered it.
class CStderrPrompt : public CPrompt {
public:
    explicit CStderrPrompt(CPrompt& answers) : m_answers(answers) {}
    int Show(const QString& strText, Buttons buttons, Icon icon) override
    {
        std::fprintf(stderr, "%s\n", strText.toLocal8Bit().constData());
        return m_answers.Show(strText, buttons, icon);
    }

private:
    CPrompt& m_answers;
};

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
    CStderrPrompt prompt(CPrompt::Instance());
    CPrompt::Install(&prompt);
    const BatchCommands::CCommand* cmd = Find(argv[1]);
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const int status = cmd->run(args);
    CPrompt::Install(nullptr);
    return status;
}
