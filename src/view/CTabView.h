#pragma once

#include <QRect>
#include <QWidget>
#include <cstdint>

class COstrelsDoc;

// The side tab strip: a Front tab, a Back tab while the design has two sides,
// and the card resize button.
class CTabView : public QWidget {
    Q_OBJECT
public:
    // Client rectangles of the tabs and the resize button.
    static constexpr QRect kFrontTab{12, 10, 25, 25};
    static constexpr QRect kBackTab{12, 60, 25, 25};
    static constexpr QRect kResizeButton{15, 135, 37, 37};

    explicit CTabView(COstrelsDoc* pDoc, QWidget* parent = nullptr);

    void SetSideShown(int nSide);
    // The resize button works only once something handles resizeClicked.
    void SetResizeEnabled(bool bEnabled);
    bool IsResizeEnabled() const { return m_bResizeEnabled; }

    int32_t m_nSideShown = 1;

Q_SIGNALS:
    // A press in the strip: show this side and make the design view active.
    void sideClicked(int nSide);
    void resizeClicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    bool HasBack() const;
    void DrawTab(QPainter& dc, const QRect& rc, const QImage& picture, bool bShown);

    COstrelsDoc* m_pDoc;
    bool m_bResizeEnabled = false;
};
