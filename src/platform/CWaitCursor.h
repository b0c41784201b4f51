#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows the busy cursor for the lifetime of the object. Harmless without a
// window system (batch mode, tests).
class CWaitCursor {
public:
    CWaitCursor()
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)), m_bActive = true;
    }
    ~CWaitCursor()
    {
        if (m_bActive)
            QGuiApplication::restoreOverrideCursor();
    }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    bool m_bActive = false;
};
