#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "KySelectTableCtrl.h"
#include "KyShadowDialog.h"

struct KySsTask;
class KyExecTimeViewCtrl;
class KyTaskEditCommon;
class QDate;
class QTableWidgetItem;
namespace Ui {
class fTimerTaskEditDialog;
}

// Modal editor of a manual (kind 2), timer (3) or SDK (4) task: play
// properties, schedule, content and target terminals. Works on the caller's
// record, which must outlive the dialog; OK checks the input and writes the
// record, and nothing is sent from here.
class KyTimerTaskEditDialog : public KyShadowDialog {
    Q_OBJECT
public:
    explicit KyTimerTaskEditDialog(KySsTask* task);
    ~KyTimerTaskEditDialog() override;

    Ui::fTimerTaskEditDialog& form() { return *ui; }
    KyTaskEditCommon& common() { return *m_common; }
    KySelectTableCtrl& terminalPick() { return m_terminalPick; }
    KySelectTableCtrl& regionPick() { return m_regionPick; }

    // Seconds since 1970 (UTC) of the local midnight that starts the day.
    static int32_t localMidnight(const QDate& date);

public slots:
    void slot_okClicked();
    void slot_setPlayTimeStateChanged(int state);
    void slot_setPlayCountsStateChanged(int state);
    void slot_setStopDateStateChanged(int state);
    void slot_regionTableItemClicked(QTableWidgetItem* item);
    void slot_addExecTime();
    void slot_editExecTime();
    void slot_delExecTime();
    void slot_capTableItemClicked(QTableWidgetItem* item);
    void slot_capTableCellChanged(int row, int column);
    void slot_addPlayFile(int row, int column);
    void slot_addAllSelectedFiles();
    void slot_delPlayFile(int row, int column);
    void slot_delAllSelectedFiles();
    void moveup_broad_file();
    void movedown_broad_file();
    void slot_textChanged();

private:
    bool isManual() const;
    void openSchedule();
    void openTargets();
    void makeConnections();
    int weekMask() const;
    int startDateEntered() const;
    int endDateEntered() const;
    std::string execTimesEntered() const;
    bool readSchedule();
    bool readTargets();

    std::unique_ptr<Ui::fTimerTaskEditDialog> ui;
    KySsTask* m_task;
    std::unique_ptr<KyTaskEditCommon> m_common;
    KySelectTableCtrl m_terminalPick;
    KySelectTableCtrl m_regionPick;
    std::unique_ptr<KyExecTimeViewCtrl> m_execTimeCtrl;
    // An edited task's schedule widgets as opened: a field left so keeps its
    // stored value (days beyond the seven, a start date below 0, a pre-power
    // time above 99, execution times shown cut).
    int m_shownWeek = 0;
    int m_shownOpenAmp = 0;
    int m_shownStart = 0;
    int m_shownEnd = 0;
    std::string m_shownExecTimes;   // a label cut to 31 bytes, a piece that does not parse
};
