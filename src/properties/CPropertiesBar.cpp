#include "properties/CPropertiesBar.h"

#include "properties/CModelessPropSheet.h"

#include <QMainWindow>

CPropertiesBar::CPropertiesBar(QWidget* parent)
    : QDockWidget(QStringLiteral("Properties"), parent), m_pSheet(new CModelessPropSheet(this))
{
    setObjectName(QStringLiteral("Properties"));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setWidget(m_pSheet);
    setFocusProxy(m_pSheet);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool bFloating) {
        if (bFloating)
            resize(kFloatingSize);
    });
    connect(this, &QDockWidget::dockLocationChanged, this, &CPropertiesBar::ApplyPreferredSize);
}

void CPropertiesBar::ApplyPreferredSize(Qt::DockWidgetArea area)
{
    auto* pFrame = qobject_cast<QMainWindow*>(parentWidget());
    if (!pFrame || isFloating())
        return;
    if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)
        pFrame->resizeDocks({this}, {kDockedSideSize.width()}, Qt::Horizontal);
    else if (area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea)
        pFrame->resizeDocks({this}, {kDockedEdgeSize.height()}, Qt::Vertical);
}
