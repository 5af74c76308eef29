#pragma once

#include <QWidget>
#include <memory>

#include "KyTerBaseCtr.h"

namespace Ui {
class fCommonTableForm;
}
struct KyM12;

// M12 list page (mobile devices): id (hidden), code, state and IP; deletes
// offline terminals. The page button and the edit button are hidden.
class KyM12InfoForm : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    KyM12InfoForm();
    ~KyM12InfoForm() override;

    QWidget* widget() override { return this; }
    QTableWidget* table() override;
    void updateRow(int row, int id) override;
    void applyRowChange(int id) override;

public slots:
    void slot_showM12List();
    void slot_updateM12Row(int id);
    void slot_delM12Row(int id);
    void slot_delMicClicked();
    // Built but connected to nothing.
    void slot_editClicked();
    void micTableSelected();

private:
    void insertTopRow(const KyM12& m12);
    void fillRow(int row, const KyM12& m12);

    std::unique_ptr<Ui::fCommonTableForm> m_form;
};
