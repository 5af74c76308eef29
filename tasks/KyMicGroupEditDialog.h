#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "KyShadowDialog.h"

namespace Ui {
class fMicGroupEditDialog;
}
struct KyMic;
struct KyMicGroup;

// Modal editor of one mic group; edits the caller's record in place and
// sends nothing. Members are the checked mic11 microphones.
class KyMicGroupEditDialog : public KyShadowDialog {
    Q_OBJECT
public:
    explicit KyMicGroupEditDialog(KyMicGroup* group);
    ~KyMicGroupEditDialog() override;

public slots:
    void slot_ok_clicked();
    void slot_stateChanged(int state);

private:
    void fillMemberTable();
    void addMemberRow(const KyMic* mic, int checkState);

    KyMicGroup* m_group;
    Ui::fMicGroupEditDialog* ui;
    // Members kept as they are because the mic11 list never arrived.
    std::vector<int> m_unshownMembers;
    // The widgets' values when opened (name local 8-bit).
    std::string m_shownName;
    int m_shownRingTime = 0;
};
