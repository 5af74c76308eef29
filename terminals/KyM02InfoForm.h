#pragma once

#include <memory>

#include "KyTalkInfoForm.h"

namespace Ui {
class fCommonTableForm;
}

// Mic02 list page: one row per mic02 terminal (last record on top), the
// setting dialog and deletion of offline terminals.
class KyM02InfoForm : public KyTalkInfoForm {
    Q_OBJECT
public:
    explicit KyM02InfoForm(QWidget* parent = nullptr);
    ~KyM02InfoForm() override;

    QTableWidget* table() override;
    void updateRow(int row, int id) override;

private slots:
    void slot_showM02List();
    void slot_updateM02Row(int id);
    void slot_delM02Row(int id);
    void slot_edit_clicked();
    void slot_delete_clicked();
    void widget_item_double_clicked(QTableWidgetItem*) {}
    void widget_item_clicked(QTableWidgetItem*);

private:
    bool copyRecord(int id, KyMic& out) const override;
    int removeRecord(KyMic& mic) override;
    void writeRow(int row, const KyMic& mic) override;

    std::unique_ptr<Ui::fCommonTableForm> ui;
};
