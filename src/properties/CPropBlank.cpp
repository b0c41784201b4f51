#include "properties/CPropBlank.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

const char* const CPropBlank::kHint = "Click on one of your design elements to see and modify its properties here.";

CPropBlank::CPropBlank(QWidget* parent) : QWidget(parent)
{
    auto* pFrame = new QGroupBox(this);
    auto* pText = new QLabel(QString::fromLatin1(kHint), pFrame);
    pText->setObjectName(QStringLiteral("hint"));
    pText->setAlignment(Qt::AlignCenter);
    pText->setWordWrap(true);

    auto* pFrameLayout = new QVBoxLayout(pFrame);
    pFrameLayout->addStretch(1);
    pFrameLayout->addWidget(pText);
    pFrameLayout->addStretch(2);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pFrame);
}
