#include "view/COstrelsView.h"

#include "document/COstrelsDoc.h"
#include "view/StatusReadouts.h"

#include <QMouseEvent>

void COstrelsView::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pt = e->position().toPoint();
    Q_EMIT pointerMoved(pt);
    Q_EMIT statusText(StatusReadouts::kPaneMouse, StatusReadouts::MouseText(ClientToCanvas(pt), m_nUnit));
    Q_EMIT statusText(StatusReadouts::kPaneSelected, StatusReadouts::SelectedObjectText(m_pDoc->m_selection, m_nUnit));
    QAbstractScrollArea::mouseMoveEvent(e);
}

void COstrelsView::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Q_EMIT pointerReleased(e->position().toPoint());
    QAbstractScrollArea::mouseReleaseEvent(e);
}
