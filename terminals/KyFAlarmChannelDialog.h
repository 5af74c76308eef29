#pragma once

#include <list>
#include <memory>

#include "KySelectTableCtrl.h"
#include "KyShadowDialog.h"

namespace Ui {
class fFAlarmChannelDialog;
}
struct KySsTask;

// Names one channel of a fire-alarm interface and picks the one task it
// starts; sends nothing. After exec() returned 1 the caller reads taskId()
// (0: no task) and channelName().
class KyFAlarmChannelDialog : public KyShadowDialog {
    Q_OBJECT
public:
    KyFAlarmChannelDialog(const std::list<KySsTask>* tasks, int taskId, const QString& name);
    ~KyFAlarmChannelDialog() override;

    int taskId() const { return m_taskId; }
    QString channelName() const { return m_name; }

    Ui::fFAlarmChannelDialog& form() { return *ui; }

public slots:
    void slot_ok_clicked();

private:
    std::unique_ptr<Ui::fFAlarmChannelDialog> ui;
    KySelectTableCtrl m_picker;
    const std::list<KySsTask>* m_tasks;
    int m_taskId;
    QString m_name;
};
