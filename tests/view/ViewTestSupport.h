#pragma once

#include "document/COstrelsDoc.h"
#include "elements/CElement.h"
#include "view/CChildFrame.h"
#include "view/COstrelsView.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <memory>

// An element that fills its bounds with its fill colour, and its shadow
// offset copy with its shadow colour first when m_bShadow is set.
class CSolidBox : public CElement {
public:
    CSolidBox(CRect rc, QRgb clrFill, int nSide = 1, int16_t nType = ElementType::kRectangle)
    {
        m_rcBounds = rc;
        m_clrFill = clrFill;
        m_nSide = nSide;
        m_nType = nType;
    }
    void DrawToDC(QPainter& dc) override
    {
        const QRectF rc(m_rcBounds.left, m_rcBounds.top, m_rcBounds.Width(), m_rcBounds.Height());
        if (m_bShadow)
            dc.fillRect(rc.translated(m_nShadowOffset, m_nShadowOffset), QColor::fromRgba(m_clrShadow));
        dc.fillRect(rc, QColor::fromRgba(m_clrFill));
    }
};

// A design window around a document built in code.
struct CTestWindow {
    std::unique_ptr<COstrelsDoc> doc = std::make_unique<COstrelsDoc>();
    std::unique_ptr<CChildFrame> frame;

    explicit CTestWindow(QSize size = {900, 600}, int nSides = 1)
    {
        doc->m_nSides = nSides;
        doc->SetTitle(QStringLiteral("Test"));
        frame = std::make_unique<CChildFrame>(doc.get());
        frame->resize(size);
        frame->show();
        Settle();
    }
    // Scroll bars appear and vanish through queued calls.
    static void Settle() { QCoreApplication::processEvents(); }

    COstrelsView* View() const { return frame->GetView(); }
    CSolidBox* Add(CRect rc, QRgb clr, int nSide = 1, int16_t nType = ElementType::kRectangle)
    {
        doc->m_elements.push_back(std::make_unique<CSolidBox>(rc, clr, nSide, nType));
        return static_cast<CSolidBox*>(doc->m_elements.back().get());
    }
    QImage Grab() const
    {
        Settle();
        return View()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

inline QRgb Rgb(const QImage& img, int x, int y) { return img.pixel(x, y) & 0x00FFFFFFu; }
inline constexpr QRgb kDesk = 0xC0C0C0;
inline constexpr QRgb kShadow = 0x6F6F6F;
inline constexpr QRgb kWhite = 0xFFFFFF;
inline constexpr QRgb kBlack = 0x000000;
