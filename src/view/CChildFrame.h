#pragma once

#include "app/CommandTarget.h"

#include <QWidget>

class COstrelsDoc;
class COstrelsView;
class CParentView;
class CParentView00;
class CRulerView;
class CTabView;

// One design window: the side label, the corner, the two rulers, the side tab
// strip and the design view, all showing one card document.
class CChildFrame : public QWidget, public ICommandTarget {
    Q_OBJECT
public:
    // Pane sizes in pixels: the first column, the second column, the first row.
    static constexpr int kTabColumnWidth = 70;
    static constexpr int kRulerDepth = 20;

    explicit CChildFrame(COstrelsDoc* pDoc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    COstrelsDoc* GetDocument() const { return m_pDoc; }
    COstrelsView* GetView() const { return m_pView; }
    CRulerView* HorzRuler() const { return m_pHorzRuler; }
    CRulerView* VertRuler() const { return m_pVertRuler; }
    CTabView* TabView() const { return m_pTabView; }
    CParentView00* SideLabel() const { return m_pSideLabel; }
    CParentView* Corner() const { return m_pCorner; }

    bool OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCommandUI& ui) override;

Q_SIGNALS:
    // A text for a pane of the main frame's status bar.
    void statusText(int nPane, const QString& strText);
    // Something that decides which commands are enabled changed here (zoom,
    // side shown, selection) without going through the document.
    void commandStateChanged();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void OnSideClicked(int nSide);
    void OnDocumentUpdate();
    void ActivateView();

    COstrelsDoc* m_pDoc;
    CParentView00* m_pSideLabel;
    CParentView* m_pCorner;
    CRulerView* m_pHorzRuler;
    CTabView* m_pTabView;
    CRulerView* m_pVertRuler;
    COstrelsView* m_pView;
};
