#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CText.h"

// Element records are not built yet: nothing is read or written.
void CLine::Serialize(CArchive&) {}
void CFreehandLine::Serialize(CArchive&) {}
void CClosedCurve::Serialize(CArchive&) {}
void CText::Serialize(CArchive&) {}
void CBtImage::Serialize(CArchive&) {}
void CBkgImage::Serialize(CArchive&) {}
