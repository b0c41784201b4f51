#pragma once

#include "document/CommandUI.h"

// Anything commands are routed to: the active design window first, then its
// document's rules, then the main frame and the application.
class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // Carries out the command; false when this target does not handle it.
    virtual bool OnCommand(int nId) = 0;
    // Fills ui for the command; returns false (ui untouched) when it has no say.
    virtual bool OnUpdateCommand(int nId, CCommandUI& ui) = 0;
};
