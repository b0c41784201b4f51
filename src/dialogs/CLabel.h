#pragma once

#include <QLabel>
#include <QUrl>

// The program's label control: a static text whose colour, face, size,
// boldness and underline can be set, and which in link mode opens its address
// in the desktop's browser when clicked.
class CLabel : public QLabel {
    Q_OBJECT
public:
    explicit CLabel(const QString& text = {}, QWidget* parent = nullptr);

    CLabel& SetTextColor(const QColor& color);
    CLabel& SetFontName(const QString& face);
    CLabel& SetFontSize(int nPoints);
    CLabel& SetFontBold(bool bBold);
    CLabel& SetFontUnderline(bool bUnderline);
    // Link mode: a hand cursor, and a click opens url.
    CLabel& SetLink(const QUrl& url);

    QColor TextColor() const;
    QUrl Link() const { return m_link; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QUrl m_link;
};
