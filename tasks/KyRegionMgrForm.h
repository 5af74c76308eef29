#pragma once

#include <QWidget>
#include <string>

#include "KyTerBaseCtr.h"

namespace Ui {
class fRegionInfoForm;
}
class QTableWidgetItem;
struct KyRegion;

// Broadcast-region list page: the regions, the members of the chosen one,
// and the new, edit and delete actions through KyRegionEditDialog.
class KyRegionMgrForm : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    explicit KyRegionMgrForm(QWidget* parent = nullptr);
    ~KyRegionMgrForm() override;

    QWidget* widget() override { return this; }
    QTableWidget* table() override;
    void updateRow(int row, int id) override;

    // 0 when the editor was cancelled or the save was done, -1 when the save failed.
    int showRegionDialog(KyRegion* region, int op);


public slots:
    void slot_showRegionList();
    void slot_updateRegionRow(int id);
    void slot_delRegionRow(int id);
    void slot_add_clicked();
    void slot_edit_clicked();
    void slot_delete_clicked();
    void widget_item_clicked(QTableWidgetItem* widget_item);

private:
    void addRegionRow(const KyRegion* region);
    void showRegionMembers(const KyRegion* region);
    void addMemberRow(int id, std::string name);
    void showCurrentMembers();

    Ui::fRegionInfoForm* ui;
};
