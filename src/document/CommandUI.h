#pragma once

#include <QString>

// What an update rule says about one command: enabled, checked, and a menu
// text when the rule changes it. A rule that has no say leaves bHandled false.
struct CCommandUI {
    bool bHandled = false;
    bool bEnabled = true;
    bool bChecked = false;
    QString strText;  // empty: keep the command's own text

    void Enable(bool b) { bHandled = true; bEnabled = b; }
    void Check(bool b) { bHandled = true; bChecked = b; }
    void SetText(const QString& s) { bHandled = true; strText = s; }
};
