#pragma once

#include "elements/CElement.h"

#include <QString>
#include <memory>

// Element classes by their registered names, for the card file reader and the
// clipboard: the 20 element classes and CElement itself.
namespace ElementRegistry {
// A new, empty element made by the class's default constructor, or nullptr for
// a name that is not an element class.
std::unique_ptr<CElement> Create(const QString& className);
bool IsElementClass(const QString& className);
// The type code belonging to a class name; 0 for CElement and unknown names.
int16_t TypeCodeFor(const QString& className);
// Every registered name, CElement first.
QStringList ClassNames();
// A new element of the class of type code nType spanning two points (drawing
// tools); nullptr for codes that have no two-point constructor.
std::unique_ptr<CElement> CreateForTool(int16_t nType, QPoint pt1, QPoint pt2);
}  // namespace ElementRegistry
