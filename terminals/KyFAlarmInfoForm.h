#pragma once

#include <QColor>
#include <QTableWidgetItem>
#include <QWidget>
#include <map>
#include <memory>

#include "KyTerBaseCtr.h"

namespace Ui {
class fCommonTableForm;
}
struct KyFAlarm;

// Fire-alarm interface list page: name, code, state and address; opens the
// setting dialog and deletes offline interfaces.
class KyFAlarmInfoForm : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    KyFAlarmInfoForm();
    ~KyFAlarmInfoForm() override;

    QWidget* widget() override { return this; }
    QTableWidget* table() override;
    void updateRow(int row, int id) override;
    void applyRowChange(int id) override;

    Ui::fCommonTableForm& form() { return *ui; }

    // State text and its colour, in this order: offline, idle mask, fire trigger, normal trigger.
    static QString stateText(const KyFAlarm& alarm, QColor* colour);

public slots:
    void slot_showFAlarmList();
    void slot_delFAlarmRow(int id);
    void slot_updateFAlarmRow(int id);
    void slot_delMicClicked();
    void slot_editClicked();

private:
    void setupPage();
    void insertTopRow(const KyFAlarm& alarm);
    void writeCells(int row, const KyFAlarm& alarm);

    std::unique_ptr<Ui::fCommonTableForm> ui;
    std::map<QString, QTableWidgetItem> m_stateCells;
};
