#pragma once

#include <QWidget>

// Media library page (staged: an empty page until its screen is built).
class KyMediaMgrForm : public QWidget {
    Q_OBJECT
public:
    KyMediaMgrForm();
};
