#pragma once

class COstrelsDoc;
class QWidget;

// Builds the contents of one design window for pDoc. The main frame puts the
// widget into an MDI subwindow that owns the document and asks to save it on
// close; the widget only shows and edits the document. When the widget also
// implements ICommandTarget, menu and toolbar commands reach it first.
QWidget* CreateDesignWindow(COstrelsDoc* pDoc, QWidget* parent);
