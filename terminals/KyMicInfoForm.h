#pragma once

#include <QWidget>
#include <memory>

#include "KyTerBaseCtr.h"

namespace Ui {
class fMicInfoForm;
}
struct KyMic;

// Mic11 list page ("Server Mic"): the list last-first, delete offline
// terminals, the setting dialog of the current row.
class KyMicInfoForm : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    KyMicInfoForm();
    ~KyMicInfoForm() override;

    QWidget* widget() override { return this; }
    QTableWidget* table() override;
    void updateRow(int row, int id) override;
    void applyRowChange(int id) override;

    static QString stateText(int state);

public slots:
    void slot_showM11List();
    void slot_updateM11Row(int id);
    void slot_delM11Row(int id) { slot_delRowById(id); }
    void slot_delMicClicked();
    void slot_editClicked();
    void micTableSelected();

private:
    void addTopRow(const KyMic& mic);
    void fillRow(int row, const KyMic& mic);

    std::unique_ptr<Ui::fMicInfoForm> ui;
    std::map<int, QString> m_stateTexts;
};
