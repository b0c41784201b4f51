#include "elements/CLines.h"

// Line and curve drawing is not built yet: they draw nothing for now.
void CLine::Render(QPainter&, int, int, float, float, float, float, int, int) {}
void CFreehandLine::Render(QPainter&, int, int, float, float, float, float, int, int) {}
void CClosedCurve::Render(QPainter&, int, int, float, float, float, float, int, int) {}
