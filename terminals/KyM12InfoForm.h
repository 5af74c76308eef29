#pragma once

#include <QWidget>

// M12 list page (staged: an empty page until its screen is built).
class KyM12InfoForm : public QWidget {
    Q_OBJECT
public:
    KyM12InfoForm();
};
