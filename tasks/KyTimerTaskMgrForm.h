#pragma once

#include "KyBaseTaskMgrForm.h"

class QtSchemeInfo;

// Timer task list page (kind 3): lists the timer tasks of the scheme chosen
// in its scheme pane.
class KyTimerTaskMgrForm : public KyBaseTaskMgrForm {
    Q_OBJECT
public:
    explicit KyTimerTaskMgrForm(int taskType);

    QtSchemeInfo* schemePane() const { return m_schemePane; }

public slots:
    void slot_showTaskList() override;
    void slot_addClicked() override;
    void slot_editClicked() override;
    void slot_showTaskList(int sch_id);
    void slot_startTaskClicked();
    void slot_stopTaskClicked();

private:
    void showSchemeName(int id);

    QtSchemeInfo* m_schemePane;
};
