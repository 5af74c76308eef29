#pragma once

#include "KyBaseTaskMgrForm.h"

// Sound-source task list page (kind 1): new, edit, delete and stop; a mic
// broadcast task is not editable here.
class KyPlanTaskMgrForm : public KyBaseTaskMgrForm {
    Q_OBJECT
public:
    KyPlanTaskMgrForm();

public slots:
    void slot_showTaskList() override;
    void slot_addClicked() override;
    void slot_editClicked() override;
    void slot_stopTaskClicked();
    void slot_widgetItemClicked(QTableWidgetItem* widget_item);

protected:
    bool runEditor(KySsTask& task) override;
};
