#pragma once

#include <QWidget>

// Timer task list page (staged: an empty page until its screen is built).
class KyTimerTaskMgrForm : public QWidget {
    Q_OBJECT
public:
    explicit KyTimerTaskMgrForm(int taskType);
};
