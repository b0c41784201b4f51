#pragma once

#include "app/CommandTarget.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class CDesignSubWindow;
struct SMenuItem;
class COstrelsDoc;
class CPropertiesBar;
class CRecentFileList;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The program's main window: menus, the five toolbars, the status bar, the
// Properties panel and the design windows. Every menu item, toolbar button
// and accelerator is one QAction per command number; a triggered command is
// offered to the active design window, its document, this frame and the
// application, in that order.
class CMainFrame : public QMainWindow, public ICommandTarget {
    Q_OBJECT
public:
    static const char* const kTitle;  // "Quarvel Kestova " (the trailing blank is part of it)
    static constexpr int kStatusBarId = 59393;

    enum EPane { kPaneMessage, kPaneCardSize, kPaneMouse, kPaneZoom, kPaneSize, kPaneCaps, kPaneNum, kPaneCount };

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The main window of the running program, or null.
    static CMainFrame* Get();

    // --- status bar ----------------------------------------------------------
    // Puts text into pane nPane and repaints it at once.
    void SetStatusText(int nPane, const QString& text);
    QString StatusText(int nPane) const;

    // --- design windows ------------------------------------------------------
    // Shows pDoc in a new maximised design window, which takes the document over.
    CDesignSubWindow* AddDesignWindow(std::unique_ptr<COstrelsDoc> pDoc);
    QList<CDesignSubWindow*> DesignWindows() const;
    CDesignSubWindow* ActiveDesignWindow() const;
    COstrelsDoc* ActiveDocument() const;
    // The window showing the design stored at path, or null.
    CDesignSubWindow* FindDesignWindow(const QString& path) const;
    void ActivateDesignWindow(CDesignSubWindow* pWindow);
    QMdiArea* MdiArea() const { return m_pMdiArea; }

    // --- commands --------------------------------------------------------------
    QAction* Action(int nId) const { return m_actions.value(nId); }
    // Carries out command nId when it is enabled; false when nothing did.
    bool OnCmdMsg(int nId);
    // What the routing says about nId now (bHandled false: nobody handles it).
    CCommandUI EvaluateCommand(int nId) const;
    bool IsCommandEnabled(int nId) const;
    // Brings every action up to date with the state of the designs now.
    void UpdateCommandUI();
    // The same, once control returns to the event loop (many changes, one update).
    void RequestCommandUIUpdate();

    // The last stop of the routing (the application); not owned.
    void SetAppTarget(ICommandTarget* pTarget) { m_pAppTarget = pTarget; }
    // The recent-file list the File menu shows; not owned.
    void SetRecentFileList(CRecentFileList* pList);

    int CurrentMenu() const { return m_nCurrentMenu; }
    QToolBar* ToolBar(int nBarId) const { return m_toolBars.value(nBarId); }
    QLabel* StatusPane(int nPane) const { return m_panes.value(nPane); }
    // Standard and Formatting at the top, the two shape bars at the left,
    // Actions at the bottom; visibility is kept.
    void DockDefaultLayout();

    // Title: the program name, and " - " and the active design's title.
    QString ComposeTitle() const;

    bool OnCommand(int nId) override;
    bool OnUpdateCommand(int nId, CCommandUI& ui) override;

    CPropertiesBar* m_pPropertiesBar = nullptr;

Q_SIGNALS:
    // Files dropped on the window, to be opened one by one.
    void openFileRequested(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // CMainFrame_Bars.cpp
    void CreateActions();
    void CreateMenus();
    QMenu* BuildMenu(const SMenuItem& popup, QWidget* parent);
    void ShowMenu(int nMenu);
    void CreateToolBars();
    void CreateStatusBar();
    void CreatePropertiesBar();
    void ToggleBar(int nBarId);
    int BarOfToggle(int nId) const;
    void RefreshWindowList();
    void ArrangeMinimised();

    void OnSubWindowActivated(QMdiSubWindow* pWindow);
    void OnDesignWindowGone(CDesignSubWindow* pWindow);
    void RefreshTitle();
    void NoteSaved(const QString& path);
    ICommandTarget* ActiveChildTarget() const;
    bool CloseAllDesigns();

    QMdiArea* m_pMdiArea = nullptr;
    QHash<int, QAction*> m_actions;
    QHash<int, QString> m_baseTexts;  // the text an action shows while no rule changes it
    QHash<int, QList<QMenu*>> m_menus;  // top-level popups of menus 128 and 129
    QHash<int, QToolBar*> m_toolBars;
    QList<QLabel*> m_panes;
    QMenu* m_pWindowMenu = nullptr;
    QList<QAction*> m_windowListActions;
    QList<QPointer<CDesignSubWindow>> m_designWindows;
    ICommandTarget* m_pAppTarget = nullptr;
    CRecentFileList* m_pRecentFiles = nullptr;
    int m_nCurrentMenu = 0;
    bool m_bUpdatePending = false;
    bool m_bSettingTitle = false;
};
