#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "KyBaseTerminal.h"
#include "KyDragMoveHelper.h"
#include "ShadowWidget.h"

namespace Ui {
class fRegionEditDialog;
}
struct KyRegion;

// Modal editor of one broadcast region; edits the caller's record in place
// and sends nothing. Members are the checked play, mic02 and mic04 terminals.
class KyRegionEditDialog : public ShadowWidget<QDialog> {
    Q_OBJECT
public:
    explicit KyRegionEditDialog(KyRegion* region);
    ~KyRegionEditDialog() override;


public slots:
    void slot_ok_clicked();
    void slot_stateChanged(int state);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fillTerminalTable();
    void addTerminalRow(const KyBaseTerminal& term, int checkState);
    bool isMember(int id) const;

    KyRegion* m_region;
    KyDragMoveHelper m_mover;
    Ui::fRegionEditDialog* ui;
    // Members no row shows while one of the lists never arrived: kept as they are.
    std::vector<KyBaseTerminal> m_unshownMembers;
    std::string m_shownName;   // the name edit's text when opened, local 8-bit
};
