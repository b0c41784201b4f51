#include "properties/CModelessPropSheet.h"

#include "elements/ElementTypes.h"
#include "properties/CPropBlank.h"

#include <QTabBar>

CModelessPropSheet::CModelessPropSheet(QWidget* parent) : QTabWidget(parent), m_pBlank(new CPropBlank(this))
{
    ShowPagesFor(ElementType::kNone, 0);
}

std::vector<CModelessPropSheet::SPage> CModelessPropSheet::PagesFor(int) const
{
    // Only the blank page exists so far; an element's own pages join here.
    return {{m_pBlank, QString()}};
}

void CModelessPropSheet::ShowPagesFor(int nType, int nActive)
{
    // Removed pages stay alive (owned by the sheet) with the values they hold.
    while (count() > 0) {
        QWidget* pPage = widget(0);
        removeTab(0);
        pPage->hide();
        pPage->setParent(this);
    }
    const std::vector<SPage> pages = PagesFor(nType);
    for (const SPage& page : pages)
        addTab(page.pPage, page.strCaption);
    setCurrentIndex(nActive >= 0 && nActive < count() ? nActive : 0);
    // A page without a caption is shown on its own, without a tab strip.
    tabBar()->setVisible(!(pages.size() == 1 && pages.front().strCaption.isEmpty()));
}
