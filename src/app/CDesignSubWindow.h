#pragma once

#include <QMdiSubWindow>
#include <memory>

class COstrelsDoc;

// One design window inside the main frame: owns its document, shows the
// widget CreateDesignWindow made for it, follows the document's title and
// offers to save a modified design before it closes.
class CDesignSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CDesignSubWindow(std::unique_ptr<COstrelsDoc> pDoc, QWidget* parent = nullptr);
    ~CDesignSubWindow() override;

    COstrelsDoc* Document() const { return m_pDoc.get(); }
    // True once a close request was accepted (the window is going away).
    bool IsClosed() const { return m_bClosed; }

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<COstrelsDoc> m_pDoc;
    bool m_bClosed = false;
};
