#pragma once

#include <QTabWidget>
#include <vector>

class CPropBlank;

// The tabbed sheet inside the Properties panel. It owns one of each page and
// shows the set that fits the element type last reported by the design view.
class CModelessPropSheet : public QTabWidget {
    Q_OBJECT
public:
    explicit CModelessPropSheet(QWidget* parent = nullptr);

    // Replaces the shown pages with the set for nType (99: nothing selected)
    // and makes page nActive current when the new set has one, else the first.
    void ShowPagesFor(int nType, int nActive);

    CPropBlank* BlankPage() const { return m_pBlank; }

private:
    // The pages of one type, in tab order, with their tab captions.
    struct SPage {
        QWidget* pPage;
        QString strCaption;
    };
    std::vector<SPage> PagesFor(int nType) const;

    CPropBlank* m_pBlank;
};
