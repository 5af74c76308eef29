#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "KyDragMoveHelper.h"
#include "ShadowWidget.h"

namespace Ui {
class fMicGroupEditDialog;
}
struct KyMic;
struct KyMicGroup;

// Modal editor of one mic group; edits the caller's record in place and
// sends nothing. Members are the checked mic11 microphones.
class KyMicGroupEditDialog : public ShadowWidget<QDialog> {
    Q_OBJECT
public:
    explicit KyMicGroupEditDialog(KyMicGroup* group);
    ~KyMicGroupEditDialog() override;


public slots:
    void slot_ok_clicked();
    void slot_stateChanged(int state);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fillMemberTable();
    void addMemberRow(const KyMic* mic, int checkState);

    KyMicGroup* m_group;
    KyDragMoveHelper m_mover;
    Ui::fMicGroupEditDialog* ui;
    // Members kept as they are because the mic11 list never arrived.
    std::vector<int> m_unshownMembers;
    // The widgets' values when opened (name local 8-bit).
    std::string m_shownName;
    int m_shownRingTime = 0;
};
