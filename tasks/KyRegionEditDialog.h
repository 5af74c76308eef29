#pragma once

#include <memory>
#include <string>
#include <vector>

#include "KyBaseTerminal.h"
#include "KyOrgEditDialog.h"

namespace Ui {
class fRegionEditDialog;
}
struct KyRegion;

// Modal editor of one broadcast region; edits the caller's record in place
// and sends nothing. Members are the checked play, mic02 and mic04 terminals.
class KyRegionEditDialog : public KyOrgEditDialog {
    Q_OBJECT
public:
    explicit KyRegionEditDialog(KyRegion* region);
    ~KyRegionEditDialog() override;

private:
    void fillTerminalTable();
    void addTerminalRow(KyTableBatch& rows, const KyBaseTerminal& term);
    bool isMember(int id) const;
    void store(const std::string& name) override;

    KyRegion* m_region;
    std::unique_ptr<Ui::fRegionEditDialog> ui;
    // Members no row shows while one of the lists never arrived: kept as they are.
    std::vector<KyBaseTerminal> m_unshownMembers;
};
