#include "ViewTestSupport.h"

#include "document/CommandIds.h"
#include "view/CRulerView.h"
#include "view/StatusReadouts.h"

#include <QScrollBar>
#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {
bool Enabled(COstrelsView* v, int nId)
{
    CCommandUI ui;
    EXPECT_TRUE(v->OnUpdateCommand(nId, ui));
    return ui.bEnabled;
}
}  // namespace

TEST(ViewZoom, ZoomInAndOutStepThroughTheLevels)
{
    struct Case {
        float fFrom;
        float fIn;
        float fOut;
    };
    CTestWindow w;
    COstrelsView* v = w.View();
    for (const Case c : {Case{0.25f, 0.5f, 0.25f}, Case{0.5f, 0.75f, 0.25f}, Case{0.75f, 1.0f, 0.5f}, Case{1.0f, 1.5f, 0.75f},
                         Case{1.5f, 2.0f, 1.0f}, Case{2.0f, 3.0f, 1.5f}, Case{3.0f, 3.0f, 2.0f}}) {
        v->SetZoom(c.fFrom);
        v->OnCommand(Cmd::kZoomIn);
        EXPECT_EQ(v->m_fZoom, c.fIn) << c.fFrom;
        v->SetZoom(c.fFrom);
        v->OnCommand(Cmd::kZoomOut);
        EXPECT_EQ(v->m_fZoom, c.fOut) << c.fFrom;
    }
    // A zoom outside the table is left as it is.
    v->m_fZoom = 1.2f;
    v->ZoomIn();
    EXPECT_EQ(v->m_fZoom, 1.2f);
}

TEST(ViewZoom, DirectLevelsAndEnabling)
{
    CTestWindow w;
    COstrelsView* v = w.View();
    const std::pair<int, float> levels[] = {{Cmd::kZoom25, 0.25f}, {Cmd::kZoom50, 0.5f},  {Cmd::kZoom75, 0.75f},
                                            {Cmd::kZoom100, 1.0f}, {Cmd::kZoom150, 1.5f}, {Cmd::kZoom200, 2.0f},
                                            {Cmd::kZoom300, 3.0f}};
    for (const auto& [nId, fZoom] : levels) {
        EXPECT_TRUE(Enabled(v, nId));
        EXPECT_TRUE(v->OnCommand(nId));
        EXPECT_EQ(v->m_fZoom, fZoom);
        EXPECT_EQ(Enabled(v, Cmd::kZoomIn), fZoom < 3.0f) << fZoom;
        EXPECT_EQ(Enabled(v, Cmd::kZoomOut), fZoom > 0.25f) << fZoom;
    }
    CCommandUI ui;
    EXPECT_FALSE(v->OnUpdateCommand(Cmd::kOptions, ui));
    EXPECT_FALSE(v->OnCommand(Cmd::kOptions));
}

TEST(ViewZoom, ZoomWritesTheReadoutAndTellsTheRulers)
{
    CTestWindow w;
    QStringList zoomTexts;
    QObject::connect(w.frame.get(), &CChildFrame::statusText, [&](int nPane, const QString& s) {
        if (nPane == StatusReadouts::kPaneZoom)
            zoomTexts << s;
    });
    w.View()->OnCommand(Cmd::kZoomIn);
    ASSERT_FALSE(zoomTexts.isEmpty());
    EXPECT_EQ(zoomTexts.last(), QStringLiteral("Zoom:150%"));
    EXPECT_EQ(w.frame->HorzRuler()->m_fZoom, 1.5f);
    EXPECT_EQ(w.frame->VertRuler()->m_fZoom, 1.5f);
    w.View()->OnCommand(Cmd::kZoom25);
    EXPECT_EQ(zoomTexts.last(), QStringLiteral("Zoom:25%"));
}

TEST(ViewZoom, ZoomInAndOutSetTheScrollExtentByTheCardShape)
{
    struct Case {
        int nWidth;
        int nHeight;
        QSizeF szExpected;  // hundredths of an inch at zoom 1.5
    };
    // Landscape stretches the width's share, portrait the height's.
    for (const Case c : {Case{350, 200, {866, 495}}, Case{200, 350, {495, 866}}}) {
        CTestWindow w({400, 300});
        w.doc->m_nCardWidth = c.nWidth;
        w.doc->m_nCardHeight = c.nHeight;
        COstrelsView* v = w.View();
        v->ZoomIn();
        const double dpi = v->logicalDpiX();
        EXPECT_EQ(v->ScrollExtent(), QSize(qRound(c.szExpected.width() * dpi / 100), qRound(c.szExpected.height() * dpi / 100)));
        EXPECT_EQ(v->PageStep(), QSize(v->ScrollExtent().width() / 10, v->ScrollExtent().height() / 10));
    }
}

// However the zoom was reached, scrolling to the far end shows the card's
// bottom-right corner and the margin beyond it.
TEST(ViewZoom, WholeCardAndMarginsStayReachable)
{
    // A tall card outgrows the extent the zoom steps would give on their own.
    for (const QSize card : {QSize(350, 200), QSize(1100, 1000)}) {
        for (bool bStep : {false, true}) {
            CTestWindow w({500, 350});
            w.doc->m_nCardWidth = card.width();
            w.doc->m_nCardHeight = card.height();
            w.doc->UpdateAllViews();
            COstrelsView* v = w.View();
            if (bStep) {
                v->SetZoom(2.0f);
                v->ZoomIn();
            } else {
                v->OnCommand(Cmd::kZoom300);
            }
            CTestWindow::Settle();
            v->horizontalScrollBar()->setValue(v->horizontalScrollBar()->maximum());
            v->verticalScrollBar()->setValue(v->verticalScrollBar()->maximum());
            const QPoint farCorner = v->CanvasToClient(QPoint(card.width() + 100, card.height() + 100));
            const QSize vp = v->viewport()->size();
            EXPECT_LE(farCorner.x(), vp.width()) << card.width() << bStep;
            EXPECT_LE(farCorner.y(), vp.height()) << card.width() << bStep;
            EXPECT_EQ(v->ClientToCanvas(QPoint(0, 0)), v->m_ptOrigin);
        }
    }
}

TEST(ViewZoom, ScrollingMovesOriginAndRulerTogether)
{
    CTestWindow w({600, 400});
    w.doc->m_nCardWidth = 1000;
    w.doc->UpdateAllViews();
    CTestWindow::Settle();
    COstrelsView* v = w.View();
    v->horizontalScrollBar()->setValue(230);
    EXPECT_EQ(v->m_ptOrigin, QPoint(230, 0));
    const QImage ruler = w.frame->HorzRuler()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Label 300 at pixel 70: a tick across the band. Minor at 110: lower third only.
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(Rgb(ruler, 70, y), kBlack) << y;
    EXPECT_EQ(Rgb(ruler, 110, 15), kBlack);
    EXPECT_EQ(Rgb(ruler, 110, 8), kWhite);
    EXPECT_EQ(Rgb(ruler, 100, 15), kWhite);
}

TEST(ViewRuler, TicksStepAndLabelByZoomAndOrigin)
{
    using T = CRulerView::CTick;
    // No scrolling at 100%: 0 at the left end, minors every 20, 100 at 100.
    auto t = CRulerView::Ticks(0, 1.0f, 120);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0], (T{0, true, 0}));
    EXPECT_EQ(t[1], (T{20, false, 0}));
    EXPECT_EQ(t[5], (T{100, true, 100}));
    // Origin at canvas 230: labels 200 and 300 at -30 and 70.
    t = CRulerView::Ticks(230, 1.0f, 100);
    EXPECT_EQ(t[0], (T{-30, true, 200}));
    EXPECT_EQ(t[5], (T{70, true, 300}));
    // Steps and periods at every level, labels always 100 canvas units apart.
    struct Case {
        float fZoom;
        int nStep;
        int nPeriod;
    };
    for (const Case c : {Case{0.25f, 5, 25}, Case{0.5f, 10, 50}, Case{0.75f, 15, 75}, Case{1.5f, 30, 150},
                         Case{2.0f, 40, 200}, Case{3.0f, 60, 300}}) {
        t = CRulerView::Ticks(0, c.fZoom, c.nPeriod + 1);
        ASSERT_GE(t.size(), 2u);
        EXPECT_EQ(t[1].nPos, c.nStep) << c.fZoom;
        EXPECT_EQ(t.back(), (T{c.nPeriod, true, 100})) << c.fZoom;
    }
    EXPECT_TRUE(CRulerView::Ticks(0, 0.01f, 500).empty());  // no endless loop
}

TEST(ViewRuler, MarkerFollowsThePointerAndGoesOnRelease)
{
    CTestWindow w;
    QWidget* vp = w.View()->viewport();
    QMouseEvent move(QEvent::MouseMove, QPointF(120, 90), QPointF(120, 90), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &move);
    const auto grab = [](QWidget* p) { return p->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    QImage h = grab(w.frame->HorzRuler());
    QImage vr = grab(w.frame->VertRuler());
    // Drawn by inverting with (255, 110, 255): white turns green.
    EXPECT_EQ(Rgb(h, 119, 10), 0x009100u);
    EXPECT_EQ(Rgb(h, 120, 10), 0x009100u);
    EXPECT_EQ(Rgb(h, 121, 10), kWhite);
    EXPECT_EQ(Rgb(vr, 10, 89), 0x009100u);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(120, 90), QPointF(120, 90), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(vp, &release);
    h = grab(w.frame->HorzRuler());
    EXPECT_EQ(Rgb(h, 120, 10), kWhite);
}
