#pragma once

#include <list>
#include <memory>

#include "KyMicGroup.h"
#include "KyOrgPage.h"

namespace Ui {
class fMicGroupInfoForm;
}
struct KyMic;

// The mic groups for KyOrgPage: KyMicGroupListMgr and KyMicGroupEditDialog.
struct KyMicGroupPageKind {
    using Record = KyMicGroup;
    static std::list<KyMicGroup> records();
    static bool get(int id, KyMicGroup* out);
    static int maxId();
    static int save(KyMicGroup* group, int op);
    static int runEditor(KyMicGroup* group);
};

// Mic-group list page: the groups, the members of the chosen one, and the
// new, edit and delete actions through KyMicGroupEditDialog.
class KyMicGroupInfoForm : public KyOrgPage<KyMicGroupPageKind> {
    Q_OBJECT
public:
    explicit KyMicGroupInfoForm(QWidget* parent = nullptr);
    ~KyMicGroupInfoForm() override;

    void updateRow(int row, int id) override;

    // 0 when the editor was cancelled or the save was done, -1 when the save failed.
    int showGroupDialog(KyMicGroup* group, int op) { return editAndSave(group, op); }

public slots:
    void slot_showMicGroupList() { showList(); }
    void slot_updateMicGroupRow(int id) { updateRecordRow(id); }
    void slot_delMicGroupRow(int id) { deleteRecordRow(id); }

private:
    void addRecordRow(const KyMicGroup* group) override { addGroupRow(group); }
    void showRecordMembers(const KyMicGroup* group) override { showGroupMembers(group); }
    void addGroupRow(const KyMicGroup* group);
    void updateGroupRow(int row, const KyMicGroup* group);
    void showGroupMembers(const KyMicGroup* group);
    QString ruleText(int rule) const;

    std::unique_ptr<Ui::fMicGroupInfoForm> ui;
};
