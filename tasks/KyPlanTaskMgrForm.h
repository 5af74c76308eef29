#pragma once

#include <QWidget>

// Sound-source task list page (staged: an empty page until its screen is built).
class KyPlanTaskMgrForm : public QWidget {
    Q_OBJECT
public:
    KyPlanTaskMgrForm();
};
