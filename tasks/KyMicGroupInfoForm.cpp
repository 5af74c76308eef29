#include "KyMicGroupInfoForm.h"

#include "KyCallWaitRule.h"
#include "KyMicGroupEditDialog.h"
#include "KyMicGroupListMgr.h"
#include "KyMicListMgr.h"
#include "KyOrgPageUtil.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fMicGroupInfoForm.h"

KyMicGroupInfoForm::KyMicGroupInfoForm(QWidget* parent) : QWidget(parent), ui(new Ui::fMicGroupInfoForm)
{
    ui->setupUi(this);
    ui->fConfigBtn->hide();
    ui->fEditBtn->setText(tr("Edit"));
    ui->tableNameLable->setText(tr("Servet Group List"));
    ui->tableNameLable->setStyleSheet(QStringLiteral("font: 9pt \"微软雅黑\";\ncolor:white"));

    ui->fGroupTableWidget->setColumnCount(4);
    ui->fGroupTableWidget->setHorizontalHeaderLabels({makeColumnKeyName(), tr("ID"), tr("Rule"), tr("Ring Time")});
    setupTable();
    ui->fMemberTableWidget->setColumnCount(1);
    ui->fMemberTableWidget->setHorizontalHeaderLabels({tr("Server Mic")});
    setupTableWidget(ui->fMemberTableWidget);

    KyMicGroupListMgr* groups = KyMicGroupListMgr::instance();
    connect(groups, &KyMicGroupListMgr::gotGroupList, this, &KyMicGroupInfoForm::slot_showMicGroupList);
    connect(groups, &KyMicGroupListMgr::groupChanged, this, &KyMicGroupInfoForm::slot_updateMicGroupRow);
    connect(groups, &KyMicGroupListMgr::groupDeleted, this, &KyMicGroupInfoForm::slot_delMicGroupRow);
    connect(ui->fNewBtn, &QPushButton::clicked, this, &KyMicGroupInfoForm::slot_add_clicked);
    connect(ui->fEditBtn, &QPushButton::clicked, this, &KyMicGroupInfoForm::slot_edit_clicked);
    connect(ui->fGroupTableWidget, &QTableWidget::itemDoubleClicked, this, &KyMicGroupInfoForm::slot_edit_clicked);
    connect(ui->fDelBtn, &QPushButton::clicked, this, &KyMicGroupInfoForm::slot_delete_clicked);
    connect(ui->fGroupTableWidget, &QTableWidget::itemClicked, this, &KyMicGroupInfoForm::widget_item_clicked);

    slot_showMicGroupList();
}

KyMicGroupInfoForm::~KyMicGroupInfoForm()
{
    delete ui;
}

QTableWidget* KyMicGroupInfoForm::table()
{
    return ui->fGroupTableWidget;
}

QString KyMicGroupInfoForm::ruleText(int rule) const
{
    const char* name = callWaitRuleName(rule);
    return name ? tr(name) : QString::number(rule);
}

void KyMicGroupInfoForm::addGroupRow(const KyMicGroup* group)
{
    table()->insertRow(0);
    setCellText(QString::number(group->id), 0, 1, 0);
    updateGroupRow(0, group);
}

// Rewrites the name (with the id), the rule and the ring time; the id column stays.
void KyMicGroupInfoForm::updateGroupRow(int row, const KyMicGroup* group)
{
    setCellItem(group->name.c_str(), row, 0, group->id);
    setCellText(ruleText(group->callWaitRule), row, 2, 0);
    setCellText(QStringLiteral("%1 s").arg(group->ringTime), row, 3, 0);
}

void KyMicGroupInfoForm::updateRow(int row, int id)
{
    KyMicGroup group;
    if (KyMicGroupListMgr::instance()->getGroup(id, &group))
        updateGroupRow(row, &group);
}

void KyMicGroupInfoForm::slot_showMicGroupList()
{
    clearTable();
    for (const KyMicGroup& group : KyMicGroupListMgr::instance()->groupList())
        addGroupRow(&group);
}

void KyMicGroupInfoForm::slot_updateMicGroupRow(int id)
{
    const int row = findRowById(id);
    if (row < 0) {
        KyMicGroup group;
        if (KyMicGroupListMgr::instance()->getGroup(id, &group))
            addGroupRow(&group);
        return;
    }
    updateRow(row, id);
    if (row == table()->currentRow())
        showCurrentMembers();
}

void KyMicGroupInfoForm::slot_delMicGroupRow(int id)
{
    removeRowById(id);
    m_tableUtil.clearTableWidget(ui->fMemberTableWidget);
}

void KyMicGroupInfoForm::widget_item_clicked(QTableWidgetItem*)
{
    showCurrentMembers();
}

void KyMicGroupInfoForm::showCurrentMembers()
{
    KyMicGroup group;
    if (KyMicGroupListMgr::instance()->getGroup(cellInt(table()->currentRow(), 0), &group))
        showGroupMembers(&group);
}

void KyMicGroupInfoForm::showGroupMembers(const KyMicGroup* group)
{
    m_tableUtil.clearTableWidget(ui->fMemberTableWidget);
    KyMic mic;
    for (int id : group->members) {
        if (KyMicListMgr::instance()->getMic(id, &mic))
            addMemberRow(&mic);
    }
}

void KyMicGroupInfoForm::addMemberRow(const KyMic* mic)
{
    kyInsertMemberRow(ui->fMemberTableWidget, localToQString(mic->name.c_str()), mic->id);
}

void KyMicGroupInfoForm::slot_add_clicked()
{
    KyMicGroup group;
    group.id = 0;
    if (showGroupDialog(&group, KY_OP_ADD) != 0)
        kyShowTips(tr("Add Error!"));
}

void KyMicGroupInfoForm::slot_edit_clicked()
{
    const int id = cellInt(table()->currentRow(), 0);
    KyMicGroup group;
    if (id == -1 || !KyMicGroupListMgr::instance()->getGroup(id, &group))
        return;
    if (showGroupDialog(&group, KY_OP_MODIFY) != 0)
        kyShowTips(tr("Edit Error!"));
}

int KyMicGroupInfoForm::showGroupDialog(KyMicGroup* group, int op)
{
    KyMicGroupEditDialog dialog(group);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    KyMicGroupListMgr* groups = KyMicGroupListMgr::instance();
    if (op == KY_OP_ADD)
        group->id = kyNextOrgId(groups->maxGroupId());
    if (groups->saveGroup(group, op) != 0) {
        kyShowTips(tr("Setting Error!"));
        return -1;
    }
    return 0;
}

void KyMicGroupInfoForm::slot_delete_clicked()
{
    KyMicGroupListMgr* groups = KyMicGroupListMgr::instance();
    kyDeleteSelectedRows(
        table(),
        [groups](int id) {
            KyMicGroup record;
            return groups->getGroup(id, &record) ? groups->saveGroup(&record, KY_OP_DELETE) : 0;
        },
        tr("Delete Error!"));
}
