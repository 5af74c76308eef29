#pragma once

#include <QWidget>

// Capture-terminal list page (staged: an empty page until its screen is built).
class KyCapInfoForm : public QWidget {
    Q_OBJECT
public:
    KyCapInfoForm();
};
