#include "KyCallTarget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include "KyM12ListMgr.h"
#include "KyMicBtnCall.h"
#include "KyMicGroup.h"
#include "KyMicListMgr.h"
#include "KyTextUtil.h"

namespace {

void selectByData(QComboBox* combo, int id)
{
    const int index = combo->findData(id);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

int checkedId(const QCheckBox* box, const QComboBox* combo)
{
    return box->isChecked() && combo->currentIndex() >= 0 ? combo->currentData().toInt() : 0;
}

template <class Rec>
void appendNames(const std::list<Rec>& records, KyCallTarget::Microphones& out)
{
    for (const Rec& rec : records)
        out.emplace_back(rec.name, rec.id);
}

}  // namespace

KyCallTarget::KyCallTarget(QCheckBox* groupBox, QComboBox* groupCombo, QCheckBox* micBox, QComboBox* micCombo)
    : m_groupBox(groupBox), m_groupCombo(groupCombo), m_micBox(micBox), m_micCombo(micCombo)
{
}

void KyCallTarget::setup(QObject* owner, QGroupBox* callConfig)
{
    auto* group = new QButtonGroup(owner);
    group->setExclusive(true);
    group->addButton(m_groupBox, 1);
    group->addButton(m_micBox, 2);
    m_groupCombo->setEnabled(false);
    m_micCombo->setEnabled(false);
    QObject::connect(callConfig, &QGroupBox::toggled, owner, [this] { syncCombos(); });
}

// A box inside the unticked call configuration is disabled: its combo too,
// or the combo would be drawn enabled inside the disabled box.
void KyCallTarget::syncCombos()
{
    m_groupCombo->setEnabled(m_groupBox->isChecked() && m_groupBox->isEnabled());
    m_micCombo->setEnabled(m_micBox->isChecked() && m_micBox->isEnabled());
}

void KyCallTarget::fill(const Microphones& mics, const std::list<KyMicGroup>& groups)
{
    for (const auto& mic : mics)
        m_micCombo->addItem(localToQString(mic.first), mic.second);
    for (const KyMicGroup& group : groups)
        m_groupCombo->addItem(localToQString(group.name), group.id);
}

void KyCallTarget::load(const KyMicBtnCall& call)
{
    if (call.mic11Id != 0) {
        m_micBox->setChecked(true);
        selectByData(m_micCombo, call.mic11Id);
    } else {
        m_groupBox->setChecked(true);
        selectByData(m_groupCombo, call.groupId);
    }
}

void KyCallTarget::store(KyMicBtnCall& call) const
{
    call.mic11Id = checkedId(m_micBox, m_micCombo);
    call.groupId = checkedId(m_groupBox, m_groupCombo);
}

KyCallTarget::Microphones KyCallTarget::microphones(bool withM12)
{
    Microphones mics;
    appendNames(KyMicListMgr::instance()->copyRecords(), mics);
    if (withM12)
        appendNames(KyM12ListMgr::instance()->copyRecords(), mics);
    return mics;
}
