#pragma once

#include <QString>
#include <QStringList>
#include <deque>

// Message boxes. The program shows them through the one installed CPrompt so
// that tests can answer them and read what the user would have been told.
class CPrompt {
public:
    // Answers, numbered as the classic message box results.
    enum Answer { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum Icon { NoIcon, Information, Warning, Error, Question };

    virtual ~CPrompt() = default;
    virtual int Show(const QString& strText, Buttons buttons = Ok, Icon icon = Warning) = 0;

    // The prompt in force. Until one is installed a prompt that answers Ok,
    // or the first button's answer, to everything (batch mode).
    static CPrompt& Instance();
    static void Install(CPrompt* pPrompt);  // not owned; nullptr restores the default
};

// A prompt that records every text it is shown and answers from a script.
class CScriptedPrompt : public CPrompt {
public:
    int Show(const QString& strText, Buttons buttons, Icon icon) override;

    void Answer(int nAnswer) { m_answers.push_back(nAnswer); }
    const QStringList& Texts() const { return m_texts; }
    void Clear() { m_texts.clear(); m_answers.clear(); }

    // Installs itself for the scope of the object.
    CScriptedPrompt() { Install(this); }
    ~CScriptedPrompt() override { Install(nullptr); }

private:
    QStringList m_texts;
    std::deque<int> m_answers;
};
