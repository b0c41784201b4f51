#include "elements/CText.h"

// Text drawing is not built yet: text draws nothing for now.
void CText::RenderText(QPainter&, int, int, float, float, float, float, int, int, bool) {}
