#pragma once

#include <QDialog>
#include <memory>

#include "KyShadowDialog.h"

struct KySsTask;
class KyTaskEditCommon;
class QTableWidgetItem;
namespace Ui {
class fTaskEditDialog;
}

// Modal editor of a sound-source task. Works on the caller's record, which
// must outlive the dialog; OK checks the input and writes the record, and
// nothing is sent from here.
class KyPlanTaskEditDialog : public KyShadowDialog {
    Q_OBJECT
public:
    explicit KyPlanTaskEditDialog(KySsTask* task);
    ~KyPlanTaskEditDialog() override;

    Ui::fTaskEditDialog& form() { return *ui; }
    KyTaskEditCommon& common() { return *m_common; }

public slots:
    void slot_okClicked();
    void slot_setPlayTimeStateChanged(int state);
    void slot_setPlayCountsStateChanged(int state);
    void slot_capTableItemClicked(QTableWidgetItem* item);
    void slot_capTableCellChanged(int row, int column);
    void slot_addPlayFile(int row, int column);
    void slot_delPlayFile(int row, int column);
    void slot_textChanged();

private:
    std::unique_ptr<Ui::fTaskEditDialog> ui;
    std::unique_ptr<KyTaskEditCommon> m_common;
};
