#pragma once

#include <memory>

#include "KyTalkInfoForm.h"

namespace Ui {
class fM04TableForm;
}

// Mic04 list page: one row per mic04 terminal (last record on top), the
// setting dialog, deletion of offline terminals and the external-speaker
// volume of the selected terminals.
class KyM04InfoForm : public KyTalkInfoForm {
    Q_OBJECT
public:
    explicit KyM04InfoForm(QWidget* parent = nullptr);
    ~KyM04InfoForm() override;

    QTableWidget* table() override;
    void updateRow(int row, int id) override;

private slots:
    void slot_showM04List();
    void slot_updateM04Row(int id);
    void slot_delM04Row(int id);
    void slot_edit_clicked();
    void slot_delete_clicked();
    void widget_item_double_clicked(QTableWidgetItem*) {}
    void widget_item_clicked(QTableWidgetItem*);

private:
    bool copyRecord(int id, KyMic& out) const override;
    int removeRecord(KyMic& mic) override;
    void writeRow(int row, const KyMic& mic) override;
    // Every cell but the code, which an id keeps.
    void writeChangingCells(int row, const KyMic& mic);
    // Saves v as the terminal's broadcast volume ("IpAmpSet"); on 0 shows it
    // in the row and on the slider.
    void applyVolume(int id, int v);
    // applyVolume on every selected row.
    void applyToSelection(int v);

    std::unique_ptr<Ui::fM04TableForm> ui;
};
