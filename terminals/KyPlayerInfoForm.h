#pragma once

#include <QWidget>

// Play-terminal list page (staged: an empty page until its screen is built).
class KyPlayerInfoForm : public QWidget {
    Q_OBJECT
public:
    KyPlayerInfoForm();
};
