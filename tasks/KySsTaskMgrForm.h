#pragma once

#include <QWidget>

// Manual and SDK task list page (staged: an empty page until its screen is built).
class KySsTaskMgrForm : public QWidget {
    Q_OBJECT
public:
    explicit KySsTaskMgrForm(int taskType);
};
