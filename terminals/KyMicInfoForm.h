#pragma once

#include <QWidget>

// Mic11 list page (staged: an empty page until its screen is built).
class KyMicInfoForm : public QWidget {
    Q_OBJECT
public:
    KyMicInfoForm();
};
