#include "KyRegionMgrForm.h"

#include "KyM02ListMgr.h"
#include "KyM04ListMgr.h"
#include "KyPlayTermListMgr.h"
#include "KyRegionEditDialog.h"
#include "KyRegionListMgr.h"
#include "ui_fRegionInfoForm.h"

std::list<KyRegion> KyRegionPageKind::records()
{
    return KyRegionListMgr::instance()->regionList();
}

bool KyRegionPageKind::get(int id, KyRegion* out)
{
    return KyRegionListMgr::instance()->getRegion(id, out);
}

int KyRegionPageKind::maxId()
{
    return KyRegionListMgr::instance()->maxRegionId();
}

int KyRegionPageKind::save(KyRegion* region, int op)
{
    return KyRegionListMgr::instance()->saveRegion(region, op);
}

int KyRegionPageKind::runEditor(KyRegion* region)
{
    KyRegionEditDialog dialog(region);
    return dialog.exec();
}

KyRegionMgrForm::KyRegionMgrForm(QWidget* parent) : KyOrgPage(parent), ui(new Ui::fRegionInfoForm)
{
    ui->setupUi(this);
    setupPage(KyOrgPageWidgets::of(*ui, ui->fRegionTableWidget), "Region List", {tr("ID")}, "Player");

    KyRegionListMgr* regions = KyRegionListMgr::instance();
    connect(regions, &KyRegionListMgr::gotRegionList, this, &KyRegionMgrForm::slot_showRegionList);
    connect(regions, &KyRegionListMgr::regionChanged, this, &KyRegionMgrForm::slot_updateRegionRow);
    connect(regions, &KyRegionListMgr::regionDeleted, this, &KyRegionMgrForm::slot_delRegionRow);

    slot_showRegionList();
}

KyRegionMgrForm::~KyRegionMgrForm() = default;

void KyRegionMgrForm::addRegionRow(const KyRegion* region)
{
    table()->insertRow(0);
    setIdItem(region->name.c_str(), 0, region->id);
    setCellText(QString::number(region->id), 0, 1, 0);
}

void KyRegionMgrForm::updateRow(int row, int id)
{
    KyRegion region;
    if (KyRegionPageKind::get(id, &region))
        setCellItem(region.name.c_str(), row, 0, region.id);
}

// Three passes, each inserting at the top from the last member to the
// first: the mic04 block ends up first, then mic02, then play terminals.
void KyRegionMgrForm::showRegionMembers(const KyRegion* region)
{
    clearMembers();
    const auto& members = region->members;
    KyTerminal term;
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        if (KyPlayTermListMgr::instance()->getTerminal(it->id, &term))
            addMemberRow(term.id, term.name);
    }
    KyMic mic;
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        if (KyM02ListMgr::instance()->getM02(it->id, &mic))
            addMemberRow(mic.id, mic.name);
    }
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        if (KyM04ListMgr::instance()->getM04(it->id, &mic))
            addMemberRow(mic.id, mic.name);
    }
}

void KyRegionMgrForm::addMemberRow(int id, std::string name)
{
    insertMemberRow(id, name);
}
