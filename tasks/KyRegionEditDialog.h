#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "KyBaseTerminal.h"
#include "KyShadowDialog.h"

namespace Ui {
class fRegionEditDialog;
}
struct KyRegion;

// Modal editor of one broadcast region; edits the caller's record in place
// and sends nothing. Members are the checked play, mic02 and mic04 terminals.
class KyRegionEditDialog : public KyShadowDialog {
    Q_OBJECT
public:
    explicit KyRegionEditDialog(KyRegion* region);
    ~KyRegionEditDialog() override;

public slots:
    void slot_ok_clicked();
    void slot_stateChanged(int state);

private:
    void fillTerminalTable();
    void addTerminalRow(const KyBaseTerminal& term, int checkState);
    bool isMember(int id) const;

    KyRegion* m_region;
    Ui::fRegionEditDialog* ui;
    // Members no row shows while one of the lists never arrived: kept as they are.
    std::vector<KyBaseTerminal> m_unshownMembers;
    std::string m_shownName;   // the name edit's text when opened, local 8-bit
};
