#include "KyMicGroupInfoForm.h"

#include "KyCallWaitRule.h"
#include "KyMicGroupEditDialog.h"
#include "KyMicGroupListMgr.h"
#include "KyMicListMgr.h"
#include "ui_fMicGroupInfoForm.h"

std::list<KyMicGroup> KyMicGroupPageKind::records()
{
    return KyMicGroupListMgr::instance()->groupList();
}

bool KyMicGroupPageKind::get(int id, KyMicGroup* out)
{
    return KyMicGroupListMgr::instance()->getGroup(id, out);
}

int KyMicGroupPageKind::maxId()
{
    return KyMicGroupListMgr::instance()->maxGroupId();
}

int KyMicGroupPageKind::save(KyMicGroup* group, int op)
{
    return KyMicGroupListMgr::instance()->saveGroup(group, op);
}

int KyMicGroupPageKind::runEditor(KyMicGroup* group)
{
    KyMicGroupEditDialog dialog(group);
    return dialog.exec();
}

KyMicGroupInfoForm::KyMicGroupInfoForm(QWidget* parent) : KyOrgPage(parent), ui(new Ui::fMicGroupInfoForm)
{
    ui->setupUi(this);
    setupPage(KyOrgPageWidgets::of(*ui, ui->fGroupTableWidget), "Servet Group List",
              {tr("ID"), tr("Rule"), tr("Ring Time")}, "Server Mic");

    KyMicGroupListMgr* groups = KyMicGroupListMgr::instance();
    connect(groups, &KyMicGroupListMgr::gotGroupList, this, &KyMicGroupInfoForm::slot_showMicGroupList);
    connect(groups, &KyMicGroupListMgr::groupChanged, this, &KyMicGroupInfoForm::slot_updateMicGroupRow);
    connect(groups, &KyMicGroupListMgr::groupDeleted, this, &KyMicGroupInfoForm::slot_delMicGroupRow);

    slot_showMicGroupList();
}

KyMicGroupInfoForm::~KyMicGroupInfoForm() = default;

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
    setCellItem(group->name, row, 0, group->id);
    setCellText(ruleText(group->callWaitRule), row, 2, 0);
    setCellText(QStringLiteral("%1 s").arg(group->ringTime), row, 3, 0);
}

void KyMicGroupInfoForm::updateRow(int row, int id)
{
    KyMicGroup group;
    if (KyMicGroupPageKind::get(id, &group))
        updateGroupRow(row, &group);
}

// Members last-first.
void KyMicGroupInfoForm::showGroupMembers(const KyMicGroup* group)
{
    std::vector<std::pair<int, std::string>> shown;
    KyMic mic;
    for (auto id = group->members.rbegin(); id != group->members.rend(); ++id) {
        if (KyMicListMgr::instance()->getMic(*id, &mic))
            shown.emplace_back(mic.id, mic.name);
    }
    showMembers(shown);
}
