#include "elements/CPictures.h"

// Picture drawing is not built yet: pictures draw nothing for now.
void CBtImage::Render(QPainter&, int, int, float, float, float, float, int, int) {}
void CBkgImage::Render(QPainter&, int, int, float, float, float, float, int, int) {}
