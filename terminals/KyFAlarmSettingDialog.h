#pragma once

#include <QButtonGroup>
#include <list>
#include <memory>
#include <string>

#include "KyShadowDialog.h"
#include "KySsTask.h"

namespace Ui {
class fFAlarmSettingForm;
}
struct KyFAlarm;

// Edits a fire-alarm interface: its name and trigger type go to the server
// on OK, each channel's name and task at once when configured or reset.
class KyFAlarmSettingDialog : public KyShadowDialog {
    Q_OBJECT
public:
    explicit KyFAlarmSettingDialog(KyFAlarm* alarm);
    ~KyFAlarmSettingDialog() override;

    // True once a channel or the interface was saved while the dialog was open.
    bool channelSaved() const { return m_channelSaved; }

    Ui::fFAlarmSettingForm& form() { return *ui; }

public slots:
    void slot_ok_clicked();
    void slot_editChannelClicked();
    void slot_delChannelClicked();

private:
    void loadTasks();
    void fillChannels();
    void showChannelTask(int row, int taskId, const std::string& name);
    QString taskText(int taskId) const;
    // The channel's row, or -1 when there is none or it is triggered (told).
    int idleCurrentRow();
    bool saveChannel(int row, int taskId, const std::string& name);
    bool saveInterface();
    // Trigger type the check boxes stand for.
    int checkedType() const;

    std::unique_ptr<Ui::fFAlarmSettingForm> ui;
    std::list<KySsTask> m_tasks;
    KyFAlarm* m_alarm;
    bool m_channelSaved = false;
    QButtonGroup m_typeGroup;
    // As stored and as shown when opened: the interface save compares with
    // these, not with the record that a refused save has already changed.
    std::string m_openName;
    bool m_openPlaceholder = false;
    int m_openType = 0;
    QString m_shownName;
    int m_shownType = 0;
};
