#include "dialogs/CLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

CLabel::CLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

CLabel& CLabel::SetTextColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
    return *this;
}

QColor CLabel::TextColor() const { return palette().color(QPalette::WindowText); }

CLabel& CLabel::SetFontName(const QString& face)
{
    QFont f = font();
    f.setFamily(face);
    setFont(f);
    return *this;
}

CLabel& CLabel::SetFontSize(int nPoints)
{
    QFont f = font();
    f.setPointSize(nPoints);
    setFont(f);
    return *this;
}

CLabel& CLabel::SetFontBold(bool bBold)
{
    QFont f = font();
    f.setBold(bBold);
    setFont(f);
    return *this;
}

CLabel& CLabel::SetFontUnderline(bool bUnderline)
{
    QFont f = font();
    f.setUnderline(bUnderline);
    setFont(f);
    return *this;
}

CLabel& CLabel::SetLink(const QUrl& url)
{
    m_link = url;
    setCursor(Qt::PointingHandCursor);
    return *this;
}

void CLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (m_link.isValid() && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        QDesktopServices::openUrl(m_link);
}
