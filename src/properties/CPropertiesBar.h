#pragma once

#include <QDockWidget>

class CModelessPropSheet;

// The docking "Properties" panel of the main frame. Closing it only hides it;
// View and the design view show it again.
class CPropertiesBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kControlId = 123;
    // Preferred sizes: docked at a side, docked at the top or bottom, floating.
    static constexpr QSize kDockedSideSize{235, 850};
    static constexpr QSize kDockedEdgeSize{225, 300};
    static constexpr QSize kFloatingSize{225, 355};

    explicit CPropertiesBar(QWidget* parent = nullptr);

    CModelessPropSheet* Sheet() const { return m_pSheet; }

private:
    void ApplyPreferredSize(Qt::DockWidgetArea area);


    CModelessPropSheet* m_pSheet;
};
