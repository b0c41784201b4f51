#pragma once

#include <QKeySequence>
#include <QList>
#include <span>

// One row per command number: everything a menu item, toolbar button and
// status prompt shows for it. Menus, toolbars and accelerators are all built
// from this table so a command looks the same wherever it appears.
struct SCommandInfo {
    int nId;
    const char* pszMenuText;  // with its & mnemonic and the "\t" shortcut text
    const char* pszPrompt;    // status-bar prompt while the item is hovered
    const char* pszTip;       // toolbar tooltip
    const char* pszIcon;      // desktop theme name, or ":/icons/..." of our own; null: none
    bool bCheckable;
};

std::span<const SCommandInfo> CommandTable();
const SCommandInfo* FindCommandInfo(int nId);

// Every key of the accelerator table that gives nId (first is the primary).
QList<QKeySequence> AcceleratorsOf(int nId);

// Commands whose behaviour does not exist yet: shown, but always disabled.
// Remove a number here once something carries the command out.
bool IsCommandPending(int nId);
