#pragma once

#include <memory>
#include <vector>

#include "KyOrgEditDialog.h"

namespace Ui {
class fMicGroupEditDialog;
}
struct KyMic;
struct KyMicGroup;

// Modal editor of one mic group; edits the caller's record in place and
// sends nothing. Members are the checked mic11 microphones.
class KyMicGroupEditDialog : public KyOrgEditDialog {
    Q_OBJECT
public:
    explicit KyMicGroupEditDialog(KyMicGroup* group);
    ~KyMicGroupEditDialog() override;

private:
    void fillMemberTable();
    void addMemberRow(KyTableBatch& rows, const KyMic& mic, bool member);
    void store(const std::string& name) override;

    KyMicGroup* m_group;
    std::unique_ptr<Ui::fMicGroupEditDialog> ui;
    // Members kept as they are because the mic11 list never arrived.
    std::vector<int> m_unshownMembers;
    int m_shownRingTime = 0;   // the spin box's value when opened
};
