#include "elements/ElementRegistry.h"

#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "elements/CText.h"

#include <QStringList>
#include <array>

namespace {
using Factory = std::unique_ptr<CElement> (*)();
using ToolFactory = std::unique_ptr<CElement> (*)(QPoint, QPoint);

struct CClassEntry {
    const char* name;
    int16_t nType;
    Factory create;
    ToolFactory createForTool;
};

template <class T>
std::unique_ptr<CElement> Make() { return std::make_unique<T>(); }

template <class T>
std::unique_ptr<CElement> MakeSpanning(QPoint a, QPoint b) { return std::make_unique<T>(a, b); }

template <class T>
constexpr CClassEntry Entry(int16_t nType) { return {T::kClassName, nType, &Make<T>, &MakeSpanning<T>}; }

using namespace ElementType;
const std::array<CClassEntry, 21> kClasses = {{
    {"CElement", 0, &Make<CElement>, nullptr},
    Entry<CLine>(kLine),
    Entry<CRectangle>(kRectangle),
    Entry<CCircle>(kCircle),
    Entry<CRhombus>(kRhombus),
    Entry<CRectRound>(kRectRound),
    Entry<CTriangle>(kTriangle),
    Entry<CFreehandLine>(kFreehandLine),
    Entry<CText>(kText),
    {CBtImage::kClassName, kPicture, &Make<CBtImage>, nullptr},
    Entry<CClosedCurve>(kClosedCurve),
    {CBkgImage::kClassName, kBackground, &Make<CBkgImage>, nullptr},
    Entry<CCalloutBL>(kCalloutBL),
    Entry<CCalloutBR>(kCalloutBR),
    Entry<CShapeParallelo>(kParallelogram),
    Entry<CShapeArrowL>(kArrowLeft),
    Entry<CShapeStar>(kStar),
    Entry<CShapeExplosion>(kExplosion),
    Entry<CShapeMoon>(kMoon),
    Entry<CShapeArrowR>(kArrowRight),
    Entry<CShapeSun>(kSun),
}};

const CClassEntry* Find(const QString& name)
{
    for (const auto& e : kClasses)
        if (name == QLatin1String(e.name))
            return &e;
    return nullptr;
}
}  // namespace

std::unique_ptr<CElement> ElementRegistry::Create(const QString& className)
{
    const CClassEntry* e = Find(className);
    return e ? e->create() : nullptr;
}

bool ElementRegistry::IsElementClass(const QString& className) { return Find(className) != nullptr; }

int16_t ElementRegistry::TypeCodeFor(const QString& className)
{
    const CClassEntry* e = Find(className);
    return e ? e->nType : 0;
}

QStringList ElementRegistry::ClassNames()
{
    QStringList names;
    for (const auto& e : kClasses)
        names << QLatin1String(e.name);
    return names;
}

std::unique_ptr<CElement> ElementRegistry::CreateForTool(int16_t nType, QPoint pt1, QPoint pt2)
{
    for (const auto& e : kClasses)
        if (e.nType == nType && e.createForTool)
            return e.createForTool(pt1, pt2);
    return nullptr;
}
