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
    setIdItem(region->name, 0, region->id);
    setCellText(QString::number(region->id), 0, 1, 0);
}

void KyRegionMgrForm::updateRow(int row, int id)
{
    KyRegion region;
    if (KyRegionPageKind::get(id, &region))
        setCellItem(region.name, row, 0, region.id);
}

// The mic04 block first, then mic02, then play terminals, each in member order.
void KyRegionMgrForm::showRegionMembers(const KyRegion* region)
{
    std::vector<std::pair<int, std::string>> shown;
    KyMic mic;
    for (const auto& member : region->members) {
        if (KyM04ListMgr::instance()->getM04(member.id, &mic))
            shown.emplace_back(mic.id, mic.name);
    }
    for (const auto& member : region->members) {
        if (KyM02ListMgr::instance()->getM02(member.id, &mic))
            shown.emplace_back(mic.id, mic.name);
    }
    KyTerminal term;
    for (const auto& member : region->members) {
        if (KyPlayTermListMgr::instance()->getTerminal(member.id, &term))
            shown.emplace_back(term.id, term.name);
    }
    showMembers(shown);
}
