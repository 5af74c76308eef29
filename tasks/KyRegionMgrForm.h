#pragma once

#include <list>
#include <memory>
#include <string>

#include "KyOrgPage.h"
#include "KyRegion.h"

namespace Ui {
class fRegionInfoForm;
}

// The broadcast regions for KyOrgPage: KyRegionListMgr and KyRegionEditDialog.
struct KyRegionPageKind {
    using Record = KyRegion;
    static std::list<KyRegion> records();
    static bool get(int id, KyRegion* out);
    static int maxId();
    static int save(KyRegion* region, int op);
    static int runEditor(KyRegion* region);
};

// Broadcast-region list page: the regions, the members of the chosen one,
// and the new, edit and delete actions through KyRegionEditDialog.
class KyRegionMgrForm : public KyOrgPage<KyRegionPageKind> {
    Q_OBJECT
public:
    explicit KyRegionMgrForm(QWidget* parent = nullptr);
    ~KyRegionMgrForm() override;

    void updateRow(int row, int id) override;

    // 0 when the editor was cancelled or the save was done, -1 when the save failed.
    int showRegionDialog(KyRegion* region, int op) { return editAndSave(region, op); }

public slots:
    void slot_showRegionList() { showList(); }
    void slot_updateRegionRow(int id) { updateRecordRow(id); }
    void slot_delRegionRow(int id) { deleteRecordRow(id); }

private:
    void addRecordRow(const KyRegion* region) override { addRegionRow(region); }
    void showRecordMembers(const KyRegion* region) override { showRegionMembers(region); }
    void addRegionRow(const KyRegion* region);
    void showRegionMembers(const KyRegion* region);

    std::unique_ptr<Ui::fRegionInfoForm> ui;
};
