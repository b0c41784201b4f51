#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <vector>

class COstrelsView;

// A ruler beside the design view: ticks every 0.2 inch and a label every inch
// of canvas, scrolled and zoomed with the view, and a marker that follows the
// pointer.
class CRulerView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHorizontal = 1;
    static constexpr int kVertical = 0;
    static constexpr int kBand = 20;  // depth of the ruler in pixels

    struct CTick {
        int nPos;     // pixels along the ruler from the view's left or top edge
        bool bMajor;  // labelled tick across the whole band
        int nLabel;   // canvas units from the canvas origin (major ticks)
        bool operator==(const CTick&) const = default;
    };
    // The ticks for a view whose client edge shows canvas coordinate nOrigin,
    // over nSpan pixels.
    static std::vector<CTick> Ticks(int nOrigin, float fZoom, int nSpan);

    CRulerView(COstrelsView* pView, int nOrientation, QWidget* parent = nullptr);

    void SetRulerZoom(int nOrientation, float fZoom);
    // Moves the pointer marker to the pointer at (x, y) of the design view;
    // with bForget the marker is dropped again at the next repaint.
    void ShowMarker(int x, int y, int nOrientation, bool bForget);

    int m_nMarkerX = -1;
    int m_nMarkerY = -1;
    int32_t m_nOrientation;
    int32_t m_nOriginX = 0;
    int32_t m_nOriginY = 0;
    float m_fZoom = 1.0f;

Q_SIGNALS:
    // A press in the ruler: the design view becomes the active view.
    void activated();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void DrawLabel(QPainter& dc, int q, int nLabel);

    COstrelsView* m_pView;
};
