#include "view/TabPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {
QImage Draw(int nSize, const std::function<void(QPainter&)>& paint)
{
    QImage pm(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    pm.fill(Qt::transparent);
    QPainter dc(&pm);
    dc.setRenderHint(QPainter::Antialiasing);
    paint(dc);
    return pm;
}

void Card(QPainter& dc, const QRectF& rc, const QColor& face)
{
    dc.setPen(QPen(QColor(90, 90, 90), 1));
    dc.setBrush(face);
    dc.drawRect(rc);
}
}  // namespace

namespace TabPictures {

QImage CardFront()
{
    static const QImage pm = Draw(24, [](QPainter& dc) {
        Card(dc, QRectF(2.5, 5.5, 19, 13), Qt::white);
        dc.fillRect(QRectF(4, 7, 4, 4), QColor(255, 128, 0));
        dc.fillRect(QRectF(10, 8, 9, 1.5), QColor(60, 60, 60));
        dc.fillRect(QRectF(10, 11, 7, 1.2), QColor(120, 120, 120));
        dc.fillRect(QRectF(4, 14, 13, 1.2), QColor(120, 120, 120));
    });
    return pm;
}

QImage CardBack()
{
    static const QImage pm = Draw(24, [](QPainter& dc) {
        Card(dc, QRectF(2.5, 5.5, 19, 13), QColor(200, 215, 235));
        dc.setPen(QPen(QColor(150, 170, 200), 1));
        for (int x = 4; x < 22; x += 4)
            dc.drawLine(QPointF(x, 17), QPointF(x + 4, 7));
    });
    return pm;
}

QImage ResizeCard()
{
    static const QImage pm = Draw(38, [](QPainter& dc) {
        Card(dc, QRectF(3.5, 8.5, 24, 16), Qt::white);
        dc.setPen(QPen(QColor(0, 90, 200), 2));
        dc.drawLine(QPointF(16, 17), QPointF(33, 31));
        QPainterPath head;
        head.moveTo(35, 33);
        head.lineTo(27, 32);
        head.lineTo(34, 25);
        head.closeSubpath();
        dc.fillPath(head, QColor(0, 90, 200));
    });
    return pm;
}

}  // namespace TabPictures
