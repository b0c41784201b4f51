#include "platform/CPrompt.h"

namespace {
int FirstAnswer(CPrompt::Buttons buttons)
{
    switch (buttons) {
    case CPrompt::Ok:
    case CPrompt::OkCancel:
        return CPrompt::IdOk;
    case CPrompt::YesNo:
    case CPrompt::YesNoCancel:
        return CPrompt::IdYes;
    }
    return CPrompt::IdOk;
}

class CSilentPrompt : public CPrompt {
public:
    int Show(const QString&, Buttons buttons, Icon) override { return FirstAnswer(buttons); }
};

CPrompt*& Installed()
{
    static CPrompt* p = nullptr;
    return p;
}
}  // namespace

CPrompt& CPrompt::Instance()
{
    static CSilentPrompt silent;
    return Installed() ? *Installed() : silent;
}

void CPrompt::Install(CPrompt* pPrompt) { Installed() = pPrompt; }

int CScriptedPrompt::Show(const QString& strText, Buttons buttons, Icon)
{
    m_texts << strText;
    if (m_answers.empty())
        return FirstAnswer(buttons);
    const int n = m_answers.front();
    m_answers.pop_front();
    return n;
}
