#include "app/DesignWindowFactory.h"

#include "app/CMainFrame.h"
#include "view/CChildFrame.h"
#include "view/COstrelsView.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
// Several designs may be open; the status bar shows the active one's readouts.
bool IsActiveWindow(const QMdiSubWindow* pSub)
{
    if (!pSub)
        return true;
    const QMdiArea* pArea = pSub->mdiArea();
    return !pArea || pArea->currentSubWindow() == pSub;
}
}  // namespace

QWidget* CreateDesignWindow(COstrelsDoc* pDoc, QWidget* parent)
{
    auto* pFrame = new CChildFrame(pDoc, parent);
    auto* pSub = qobject_cast<QMdiSubWindow*>(parent);
    QObject::connect(pFrame, &CChildFrame::statusText, pFrame, [pSub](int nPane, const QString& text) {
        if (CMainFrame* pMain = CMainFrame::Get(); pMain && IsActiveWindow(pSub))
            pMain->SetStatusText(nPane, text);
    });
    if (CMainFrame* pMain = CMainFrame::Get(); pMain && pSub) {
        // Becoming the active design puts this design's readouts up.
        QObject::connect(pMain->MdiArea(), &QMdiArea::subWindowActivated, pFrame, [pFrame, pSub](QMdiSubWindow* p) {
            if (p == pSub)
                pFrame->GetView()->RefreshStatusReadouts();
        });
    }
    // A side switch empties the selection, which changes what commands may do.
    QObject::connect(pFrame, &CChildFrame::commandStateChanged, pFrame, [] {
        if (CMainFrame* pMain = CMainFrame::Get())
            pMain->RequestCommandUIUpdate();
    });
    return pFrame;
}
