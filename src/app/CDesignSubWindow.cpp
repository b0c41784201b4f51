#include "app/CDesignSubWindow.h"

#include "app/DesignWindowFactory.h"
#include "document/COstrelsDoc.h"

#include <QCloseEvent>

CDesignSubWindow::CDesignSubWindow(std::unique_ptr<COstrelsDoc> pDoc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDoc(std::move(pDoc))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(CreateDesignWindow(m_pDoc.get(), this));
    setWindowTitle(m_pDoc->GetTitle());
    connect(m_pDoc.get(), &COstrelsDoc::titleChanged, this, &QWidget::setWindowTitle);
}

CDesignSubWindow::~CDesignSubWindow()
{
    // The design's panes may look at the document while they go, so they go first.
    if (QWidget* pContents = widget()) {
        setWidget(nullptr);
        delete pContents;
    }
}

void CDesignSubWindow::closeEvent(QCloseEvent* event)
{
    if (!m_pDoc->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        m_bClosed = true;
        Q_EMIT closed();
    }
}
