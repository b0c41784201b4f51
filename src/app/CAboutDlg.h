#pragma once

#include <QDialog>

class CLabel;

// The About box: the program's picture, maker, name, version, a notice and
// a link to the maker's web site.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CLabel* m_pMaker;
    CLabel* m_pProduct;
    CLabel* m_pVersion;
    CLabel* m_pNotice;
    CLabel* m_pLink;
};
