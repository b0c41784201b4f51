#include "app/CAboutDlg.h"

#include "app/COstrelsApp.h"
#include "dialogs/CLabel.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About "));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kestova.svg")));

    auto* pPicture = new QLabel(this);
    pPicture->setPixmap(QIcon(QStringLiteral(":/icons/kestova.svg")).pixmap(64, 64));
    pPicture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    m_pMaker = new CLabel(QStringLiteral("Quarvel"), this);
    m_pMaker->SetTextColor(QColor(64, 128, 255)).SetFontBold(true).SetFontSize(10);
    m_pProduct = new CLabel(QStringLiteral("Kestova"), this);
    m_pProduct->SetTextColor(Qt::black).SetFontBold(true).SetFontSize(11);
    m_pProduct->setAlignment(Qt::AlignCenter);
    m_pVersion = new CLabel(QStringLiteral("Version 2.0"), this);
    m_pVersion->SetTextColor(QColor(64, 64, 64)).SetFontSize(10);
    m_pNotice = new CLabel(QStringLiteral("Copyright \u00A9 Quarvel. All rights reserved."), this);
    m_pNotice->SetTextColor(Qt::black).SetFontName(QStringLiteral("Arial")).SetFontSize(8);
    const QString address = QString::fromLatin1(COstrelsApp::kWebAddress);
    m_pLink = new CLabel(address, this);
    m_pLink->SetTextColor(QColor(0, 0, 255)).SetFontUnderline(true).SetFontSize(9).SetLink(QUrl(address));

    auto* pOk = new QPushButton(QStringLiteral("&OK"), this);
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* pTexts = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(m_pMaker), static_cast<QWidget*>(m_pProduct),
                       static_cast<QWidget*>(m_pVersion), static_cast<QWidget*>(m_pNotice),
                       static_cast<QWidget*>(m_pLink)})
        pTexts->addWidget(w);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch(1);
    pButtons->addWidget(pOk);
    pTexts->addLayout(pButtons);

    auto* pLayout = new QHBoxLayout(this);
    pLayout->addWidget(pPicture);
    pLayout->addLayout(pTexts, 1);
    setLayout(pLayout);
}
