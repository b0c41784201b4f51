#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CText.h"
#include "elements/ElementRegistry.h"
#include "view/PaintExtent.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
// Every element kind, dressed to reach as far as it can.
std::vector<std::unique_ptr<CElement>> EveryElement(CRect rc)
{
    std::vector<std::unique_ptr<CElement>> all;
    for (const QString& name : ElementRegistry::ClassNames()) {
        auto p = ElementRegistry::CreateForTool(ElementRegistry::TypeCodeFor(name), QPoint(rc.left, rc.top),
                                                QPoint(rc.right, rc.bottom));
        if (p)
            all.push_back(std::move(p));
    }
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(Qt::darkGreen);
    all.push_back(std::make_unique<CBtImage>(QPoint(rc.left, rc.top), QPoint(rc.right, rc.bottom), picture, 850, 1100, 1));
    for (auto& p : all) {
        p->m_nFillPattern = 1;
        p->m_clrFill = 0xFF2060A0;
        p->m_nBorderWidth = 4;
        p->m_bShadow = 1;
        p->m_nShadowOffset = 8;
        p->m_clrShadow = 0xFF808080;
        p->m_strText = QStringLiteral("A long line of words that wraps and overflows its little box many times over");
        p->m_nLineDir = 3;
        if (auto* f = dynamic_cast<CFreehandLine*>(p.get()))
            for (QPoint pt : {QPoint(rc.left, rc.top), QPoint(rc.right, rc.top + 10), QPoint(rc.left + 5, rc.bottom)})
                f->AddPoint(pt);
        if (auto* c = dynamic_cast<CClosedCurve*>(p.get()))
            for (QPoint pt : {QPoint(rc.left, rc.top), QPoint(rc.right, rc.top + 10), QPoint(rc.left + 5, rc.bottom)})
                c->AddPoint(pt);
    }
    return all;
}
}  // namespace

// Partial repaints skip elements by their paint extent, so an element that
// paints outside it would leave stale pixels behind.
TEST(PaintExtent, NoElementPaintsOutsideItsExtent)
{
    struct Case {
        CRect rcBox;
        int nRotation;
    };
    std::vector<Case> cases;
    for (const CRect rcBox : {CRect{300, 300, 420, 340}, CRect{300, 300, 340, 420}, CRect{300, 300, 360, 360}})
        for (int nRotation : {0, 30, 90, 135})
            cases.push_back({rcBox, nRotation});
    for (const auto& [rcBox, nRotation] : cases) {
        for (auto& p : EveryElement(rcBox)) {
            p->m_nRotation = nRotation;
            QImage img(900, 900, QImage::Format_RGB32);
            img.fill(Qt::white);
            {
                QPainter dc(&img);
                p->DrawToDC(dc);
            }
            const CPaintExtent ext = PaintExtentOf(*p);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (img.pixel(x, y) != 0xFFFFFFFFu) {
                        ASSERT_TRUE(ext.Touches({x, y, x + 1, y + 1}))
                            << p->GetClassName() << " rotated " << nRotation << " paints at " << x << "," << y;
                    }
        }
    }
}

TEST(PaintExtent, BackgroundsAreAlwaysDrawn)
{
    CBkgImage bkg(QImage(10, 10, QImage::Format_ARGB32), 350, 200);
    EXPECT_TRUE(PaintExtentOf(bkg).Touches({2000, 2000, 2001, 2001}));
}
