#include "view/CParentView.h"

#include <QMouseEvent>
#include <QPainter>

CParentView00::CParentView00(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void CParentView00::SetSideLabel(int nSide)
{
    m_nSide = nSide;
    update();
}

void CParentView00::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    dc.fillRect(rect(), Qt::white);
    const QString text = m_nSide == 1 ? QStringLiteral("Front") : m_nSide == 2 ? QStringLiteral("Back") : QString();
    dc.setPen(Qt::black);
    dc.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
}

void CParentView00::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        Q_EMIT activated();
        update();
    }
}

CParentView::CParentView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void CParentView::paintEvent(QPaintEvent*)
{
    QPainter dc(this);
    dc.fillRect(rect(), palette().color(QPalette::Base));
    dc.setPen(QColor(200, 200, 200));
    dc.setBrush(Qt::white);
    // Nested frames, each drawn over the one before.
    for (int inset : {2, 5, 7, 8}) {
        const QRect rc = rect().adjusted(inset, inset, -inset, -inset);
        if (rc.width() > 1 && rc.height() > 1)
            dc.drawRect(rc.adjusted(0, 0, -1, -1));
    }
}

void CParentView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        Q_EMIT activated();
        update();
    }
}
