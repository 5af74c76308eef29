#pragma once

#include "KyBaseTaskMgrForm.h"

// Manual (2) and SDK (4) task list page; the SDK page only stops tasks.
class KySsTaskMgrForm : public KyBaseTaskMgrForm {
    Q_OBJECT
public:
    explicit KySsTaskMgrForm(int taskType);

public slots:
    void slot_showTaskList() override;
    void slot_addClicked() override;
    void slot_editClicked() override;
    void slot_startTaskClicked();
    void slot_stopTaskClicked();

protected:
    void initTable() override;
};
