#pragma once

#include <QWidget>
#include <cstdint>

// The pane above the side tabs: names the side shown.
class CParentView00 : public QWidget {
    Q_OBJECT
public:
    explicit CParentView00(QWidget* parent = nullptr);
    void SetSideLabel(int nSide);

    int32_t m_nSide = 1;

Q_SIGNALS:
    void activated();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};

// The corner pane where the two rulers meet.
class CParentView : public QWidget {
    Q_OBJECT
public:
    explicit CParentView(QWidget* parent = nullptr);

Q_SIGNALS:
    void activated();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};
