#pragma once

#include <QWidget>

// The page shown while nothing is selected: a frame and a hint.
class CPropBlank : public QWidget {
    Q_OBJECT
public:
    explicit CPropBlank(QWidget* parent = nullptr);

    static const char* const kHint;
};
