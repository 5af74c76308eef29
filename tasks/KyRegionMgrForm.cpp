#include "KyRegionMgrForm.h"

#include "KyM02ListMgr.h"
#include "KyM04ListMgr.h"
#include "KyOrgPageUtil.h"
#include "KyPlayTermListMgr.h"
#include "KyRegionEditDialog.h"
#include "KyRegionListMgr.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fRegionInfoForm.h"

KyRegionMgrForm::KyRegionMgrForm(QWidget* parent) : QWidget(parent), ui(new Ui::fRegionInfoForm)
{
    ui->setupUi(this);
    ui->fConfigBtn->hide();
    ui->fEditBtn->setText(tr("Edit"));
    ui->tableNameLable->setText(tr("Region List"));
    ui->tableNameLable->setStyleSheet(QStringLiteral("font: 9pt \"微软雅黑\";\ncolor:white"));

    ui->fRegionTableWidget->setColumnCount(2);
    ui->fRegionTableWidget->setHorizontalHeaderLabels({makeColumnKeyName(), tr("ID")});
    setupTable();
    ui->fMemberTableWidget->setColumnCount(1);
    ui->fMemberTableWidget->setHorizontalHeaderLabels({tr("Player")});
    setupTableWidget(ui->fMemberTableWidget);

    KyRegionListMgr* regions = KyRegionListMgr::instance();
    connect(regions, &KyRegionListMgr::gotRegionList, this, &KyRegionMgrForm::slot_showRegionList);
    connect(regions, &KyRegionListMgr::regionChanged, this, &KyRegionMgrForm::slot_updateRegionRow);
    connect(regions, &KyRegionListMgr::regionDeleted, this, &KyRegionMgrForm::slot_delRegionRow);
    connect(ui->fNewBtn, &QPushButton::clicked, this, &KyRegionMgrForm::slot_add_clicked);
    connect(ui->fEditBtn, &QPushButton::clicked, this, &KyRegionMgrForm::slot_edit_clicked);
    connect(ui->fRegionTableWidget, &QTableWidget::itemDoubleClicked, this, &KyRegionMgrForm::slot_edit_clicked);
    connect(ui->fDelBtn, &QPushButton::clicked, this, &KyRegionMgrForm::slot_delete_clicked);
    connect(ui->fRegionTableWidget, &QTableWidget::itemClicked, this, &KyRegionMgrForm::widget_item_clicked);

    slot_showRegionList();
}

KyRegionMgrForm::~KyRegionMgrForm()
{
    delete ui;
}

QTableWidget* KyRegionMgrForm::table()
{
    return ui->fRegionTableWidget;
}

void KyRegionMgrForm::addRegionRow(const KyRegion* region)
{
    table()->insertRow(0);
    setIdItem(region->name.c_str(), 0, region->id);
    setCellText(QString::number(region->id), 0, 1, 0);
}

void KyRegionMgrForm::updateRow(int row, int id)
{
    KyRegion region;
    if (KyRegionListMgr::instance()->getRegion(id, &region))
        setCellItem(region.name.c_str(), row, 0, region.id);
}

void KyRegionMgrForm::slot_showRegionList()
{
    const std::list<KyRegion> regions = KyRegionListMgr::instance()->regionList();
    clearTable();
    for (const KyRegion& region : regions)
        addRegionRow(&region);
}

void KyRegionMgrForm::slot_updateRegionRow(int id)
{
    const int row = findRowById(id);
    if (row < 0) {
        KyRegion region;
        if (KyRegionListMgr::instance()->getRegion(id, &region))
            addRegionRow(&region);
        return;
    }
    updateRow(row, id);
    if (row == table()->currentRow())
        showCurrentMembers();
}

void KyRegionMgrForm::slot_delRegionRow(int id)
{
    removeRowById(id);
    m_tableUtil.clearTableWidget(ui->fMemberTableWidget);
}

void KyRegionMgrForm::widget_item_clicked(QTableWidgetItem*)
{
    showCurrentMembers();
}

void KyRegionMgrForm::showCurrentMembers()
{
    KyRegion region;
    if (KyRegionListMgr::instance()->getRegion(cellInt(table()->currentRow(), 0), &region))
        showRegionMembers(&region);
}

// Three passes, each inserting at the top from the last member to the
// first: the mic04 block ends up first, then mic02, then play terminals.
void KyRegionMgrForm::showRegionMembers(const KyRegion* region)
{
    m_tableUtil.clearTableWidget(ui->fMemberTableWidget);
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
    kyInsertMemberRow(ui->fMemberTableWidget, localToQString(name.c_str()), id);
}

void KyRegionMgrForm::slot_add_clicked()
{
    KyRegion region;
    if (showRegionDialog(&region, KY_OP_ADD) != 0)
        kyShowTips(tr("Add Error!"));
}

void KyRegionMgrForm::slot_edit_clicked()
{
    const int id = cellInt(table()->currentRow(), 0);
    KyRegion region;
    if (id == -1 || !KyRegionListMgr::instance()->getRegion(id, &region))
        return;
    if (showRegionDialog(&region, KY_OP_MODIFY) != 0)
        kyShowTips(tr("Edit Error!"));
}

int KyRegionMgrForm::showRegionDialog(KyRegion* region, int op)
{
    KyRegionEditDialog dialog(region);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    KyRegionListMgr* regions = KyRegionListMgr::instance();
    if (op == KY_OP_ADD)
        region->id = kyNextOrgId(regions->maxRegionId());
    if (regions->saveRegion(region, op) != 0) {
        kyShowTips(tr("Setting Error!"));
        return -1;
    }
    return 0;
}

void KyRegionMgrForm::slot_delete_clicked()
{
    KyRegionListMgr* regions = KyRegionListMgr::instance();
    kyDeleteSelectedRows(
        table(),
        [regions](int id) {
            KyRegion record;
            return regions->getRegion(id, &record) ? regions->saveRegion(&record, KY_OP_DELETE) : 0;
        },
        tr("Delete Error!"));
}
