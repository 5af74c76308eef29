#include "KyMicGroupEditDialog.h"

#include <algorithm>

#include "KyCallWaitRule.h"
#include "KyKeptValue.h"
#include "KyListLock.h"
#include "KyMicGroup.h"
#include "KyMicListMgr.h"
#include "KyTableBatch.h"
#include "KyTextUtil.h"
#include "ui_fMicGroupEditDialog.h"

KyMicGroupEditDialog::KyMicGroupEditDialog(KyMicGroup* group) : m_group(group), ui(new Ui::fMicGroupEditDialog)
{
    ui->setupUi(this);
    for (const char* name : g_callWaitRuleNames)
        ui->fRuleComboBox->addItem(tr(name));
    setupEditor(KyOrgEditWidgets::of(*ui, ui->fMemberTableWidget), {tr("ID"), tr("IP")}, m_group->id == 0,
                "Mic Group New", "Mic Group Edit", m_group->name);
    if (m_group->id != 0) {
        ui->fRingTimeSpinBox->setValue(m_group->ringTime);
        // A rule outside 1..5 leaves the combo empty and is kept unless one is picked.
        ui->fRuleComboBox->setCurrentIndex(callWaitRuleName(m_group->callWaitRule) ? m_group->callWaitRule - 1 : -1);
    } else {
        ui->fRingTimeSpinBox->setValue(60);
    }
    m_shownRingTime = ui->fRingTimeSpinBox->value();
    fillMemberTable();
}

KyMicGroupEditDialog::~KyMicGroupEditDialog() = default;

void KyMicGroupEditDialog::fillMemberTable()
{
    KyListLock list(KyMicListMgr::instance());
    if (!list) {
        m_unshownMembers = m_group->members;
        return;
    }
    const std::vector<int>& members = m_group->members;
    KyTableBatch rows(memberTable());
    for (const KyMic& mic : *list) {
        const bool member = std::find(members.begin(), members.end(), mic.id) != members.end();
        addMemberRow(rows, mic, member);
    }
}

void KyMicGroupEditDialog::addMemberRow(KyTableBatch& rows, const KyMic& mic, bool member)
{
    appendMemberRow(rows, {localToQString(mic.name), QString::number(mic.id), localToQString(mic.ip)},
                    mic.id, member);
}

void KyMicGroupEditDialog::store(const std::string& name)
{
    // Left as shown (a name cut to 32 characters, a ring time above 99): the stored value.
    m_group->name = keptName(m_group->name, name);
    const int ringTime = ui->fRingTimeSpinBox->value();
    m_group->ringTime = m_group->id != 0 ? kyKeptValue(m_group->ringTime, m_shownRingTime, ringTime) : ringTime;
    if (ui->fRuleComboBox->currentIndex() >= 0)
        m_group->callWaitRule = ui->fRuleComboBox->currentIndex() + 1;
    m_group->members.clear();
    for (const auto& row : checkedRows())
        m_group->members.push_back(row.first);
    m_group->members.insert(m_group->members.end(), m_unshownMembers.begin(), m_unshownMembers.end());
}
