#include "app/DesignWindowFactory.h"

#include <QWidget>

// Until the design view exists a design window is an empty pane.
QWidget* CreateDesignWindow(COstrelsDoc*, QWidget* parent)
{
    auto* pWidget = new QWidget(parent);
    pWidget->setAutoFillBackground(true);
    pWidget->setMinimumSize(200, 150);
    return pWidget;
}
