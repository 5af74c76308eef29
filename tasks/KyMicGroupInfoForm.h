#pragma once

#include <QWidget>

#include "KyTerBaseCtr.h"

namespace Ui {
class fMicGroupInfoForm;
}
class QTableWidgetItem;
struct KyMic;
struct KyMicGroup;

// Mic-group list page: the groups, the members of the chosen one, and the
// new, edit and delete actions through KyMicGroupEditDialog.
class KyMicGroupInfoForm : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    explicit KyMicGroupInfoForm(QWidget* parent = nullptr);
    ~KyMicGroupInfoForm() override;

    QWidget* widget() override { return this; }
    QTableWidget* table() override;
    void updateRow(int row, int id) override;

    // 0 when the editor was cancelled or the save was done, -1 when the save failed.
    int showGroupDialog(KyMicGroup* group, int op);


public slots:
    void slot_showMicGroupList();
    void slot_updateMicGroupRow(int id);
    void slot_delMicGroupRow(int id);
    void slot_add_clicked();
    void slot_edit_clicked();
    void slot_delete_clicked();
    void widget_item_clicked(QTableWidgetItem* widget_item);

private:
    void addGroupRow(const KyMicGroup* group);
    void updateGroupRow(int row, const KyMicGroup* group);
    void showGroupMembers(const KyMicGroup* group);
    void addMemberRow(const KyMic* mic);
    void showCurrentMembers();
    QString ruleText(int rule) const;

    Ui::fMicGroupInfoForm* ui;
};
