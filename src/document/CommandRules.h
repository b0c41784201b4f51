#pragma once

#include "document/CommandUI.h"

#include <cstdint>

class COstrelsDoc;

// The document's say on commands: which are enabled, which tool is checked,
// and the texts that follow the design's state. No widgets here, so the rules
// are the same for menus, toolbars and tests.
void UpdateDocumentCommand(const COstrelsDoc& doc, int nId, CCommandUI& ui);

// Carries out the commands the document handles itself (the drawing tools,
// the back side, removing the background). False when nId is not one of them.
bool DoDocumentCommand(COstrelsDoc& doc, int nId);

// The element type code a drawing-tool command selects, or 0 when nId is not
// a drawing-tool command.
int16_t ToolCodeOfCommand(int nId);
