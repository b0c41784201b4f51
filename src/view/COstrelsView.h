#pragma once

#include "app/CommandTarget.h"
#include "view/CanvasMapping.h"

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRgb>
#include <QSize>
#include <cstdint>

class COstrelsDoc;
class QPainter;

// The design canvas: shows the current side of one card document at a zoom on
// a grey desk, with the card's shadow, face colour, grid, inner border,
// outline and the side's elements. It owns the canvas-to-pixel mapping every
// other part of the window converts through, and the display options kept in
// the settings.
class COstrelsView : public QAbstractScrollArea, public ICommandTarget {
    Q_OBJECT
public:
    // The card's corner lies this many canvas units inside the canvas.
    static constexpr int kCanvasMargin = 50;
    static constexpr float kMinZoom = 0.25f;
    static constexpr float kMaxZoom = 3.0f;

    explicit COstrelsView(COstrelsDoc* pDoc, QWidget* parent = nullptr);
    ~COstrelsView() override;

    COstrelsDoc* GetDocument() const { return m_pDoc; }

    // --- mapping ------------------------------------------------------------
    CCanvasMapping PrepareMapping() const;
    QPoint ClientToCanvas(QPoint ptClient) const;
    CRect ClientToCanvas(const CRect& rcClient) const;
    QPoint CanvasToClient(QPoint ptCanvas) const;
    CRect CanvasToClient(const CRect& rcCanvas) const;  // normalised

    // --- painting -----------------------------------------------------------
    // Draws the part rcClient (client pixels) of the current side.
    void PaintCanvas(QPainter& dc, const QRect& rcClient);
    // Grid, inner border and card outline in whole pixels.
    void DrawGridAndBorder(QPainter& dc, const QRect& rcClient);

    // --- zoom and scrolling -------------------------------------------------
    void SetZoom(float fZoom);
    void ZoomIn();
    void ZoomOut();
    float GetZoom() const { return m_fZoom; }
    // Scrollable size in pixels, and the page and line steps of the bars.
    QSize ScrollExtent() const { return m_szExtent; }
    QSize PageStep() const { return m_szPage; }
    QSize LineStep() const { return m_szLine; }
    QPoint ScrollPosition() const;

    // --- options --------------------------------------------------------------
    void LoadViewOptions();
    void SaveViewOptions();

    // Shows side n (1 front, 2 back); switching empties the selection.
    void SetSide(int nSide);

    // Writes the zoom and card-size readouts.
    void RefreshStatusReadouts();

    // --- commands ---------------------------------------------------------------
    bool OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCommandUI& ui) override;

    // --- view state ---------------------------------------------------------------
    float m_fZoom = 1.0f;
    QPoint m_ptOrigin;  // canvas position of the client area's top-left corner
    int32_t m_bShowGrid = 0;
    int32_t m_nGridSize = 40;
    int32_t m_nGridType = 1;  // 1 solid, 0 dotted
    QRgb m_clrGrid = 0xFFE6E6E6;
    int32_t m_bInnerBorder = 0;
    int32_t m_nUnit = 0;  // 0 inch, 1 centimetre
    int32_t m_bShowTip = 1;
    QRgb m_clrShadowOption = 0xFFC0C0C0;
    int32_t m_nShadowLengthOption = 6;

Q_SIGNALS:
    // A text for one of the main frame's status-bar panes.
    void statusText(int nPane, const QString& strText);
    // The zoom changed; rulers redraw their ticks.
    void zoomChanged(float fZoom);
    // The picture scrolled by (dx, dy) pixels; m_ptOrigin is up to date.
    void scrolled(int dx, int dy);
    // The pointer moved over the canvas, or the left button was released there
    // (client pixels); rulers move or drop their markers.
    void pointerMoved(QPoint ptClient);
    void pointerReleased(QPoint ptClient);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void OnDocumentUpdate();
    // Sets the scrollable size (pixels) with its page and line steps.
    void SetScrollExtent(QSize szExtent, QSize szPage, QSize szLine);
    void UpdateScrollBars();
    void AfterZoom();
    // The scroll range after Zoom In and Zoom Out.
    void ResetZoomExtent();
    // The whole canvas (card and margins) in pixels at the current zoom.
    QSize CanvasPixelSize() const;
    // Hundredths of an inch to pixels at the screen's logical resolution.
    QSize InchHundredthsToPixels(QSizeF sz) const;
    void OnScrollAction(Qt::Orientation o, int nAction);

    COstrelsDoc* m_pDoc;
    QSize m_szExtent;
    QSize m_szPage;
    QSize m_szLine;
    bool m_bShownOnce = false;
};
