#include "KyMicGroupEditDialog.h"

#include <algorithm>

#include "KyCallWaitRule.h"
#include "KyKeptValue.h"
#include "KyMicGroup.h"
#include "KyMicListMgr.h"
#include "KyOrgPageUtil.h"
#include "KyTableUtil.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fMicGroupEditDialog.h"

KyMicGroupEditDialog::KyMicGroupEditDialog(KyMicGroup* group)
    : KyShadowDialog(nullptr), m_group(group), ui(new Ui::fMicGroupEditDialog)
{
    ui->setupUi(this);
    ui->iconLabel->setPixmap(QPixmap(":/images/edit20x20.png"));
    setWindowIcon(QIcon(":/images/edit20x20.png"));
    ui->fCloseBtn->setFixedSize(23, 25);
    ui->fNameEdit->setMaxLength(32);
    for (const char* name : g_callWaitRuleNames)
        ui->fRuleComboBox->addItem(tr(name));

    ui->fMemberTableWidget->setColumnCount(3);
    ui->fMemberTableWidget->setHorizontalHeaderLabels({makeColumnKeyName(), tr("ID"), tr("IP")});
    setupTableWidget(ui->fMemberTableWidget);

    const QString title = m_group->id != 0 ? tr("Mic Group Edit") : tr("Mic Group New");
    setWindowTitle(title);
    ui->titleNameLabel->setText(title);
    if (m_group->id != 0) {
        ui->fNameEdit->setText(localToQString(m_group->name.c_str()));
        ui->fRingTimeSpinBox->setValue(m_group->ringTime);
        // A rule outside 1..5 leaves the combo empty and is kept unless one is picked.
        ui->fRuleComboBox->setCurrentIndex(callWaitRuleName(m_group->callWaitRule) ? m_group->callWaitRule - 1 : -1);
    } else {
        ui->fRingTimeSpinBox->setValue(60);
    }
    m_shownName = ui->fNameEdit->text().toLocal8Bit().toStdString();
    m_shownRingTime = ui->fRingTimeSpinBox->value();

    connect(ui->fSelectAllCheckBox, &QCheckBox::stateChanged, this, &KyMicGroupEditDialog::slot_stateChanged);
    connect(ui->fOkBtn, &QPushButton::clicked, this, &KyMicGroupEditDialog::slot_ok_clicked);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &KyMicGroupEditDialog::reject);
    connect(ui->fCloseBtn, &QPushButton::clicked, this, &KyMicGroupEditDialog::close);

    fillMemberTable();
}

KyMicGroupEditDialog::~KyMicGroupEditDialog()
{
    delete ui;
}

void KyMicGroupEditDialog::fillMemberTable()
{
    KyMicListMgr* mics = KyMicListMgr::instance();
    std::list<KyMic>* list = mics->lockList();
    if (!list) {
        m_unshownMembers = m_group->members;
        return;
    }
    const std::vector<int>& members = m_group->members;
    for (const KyMic& mic : *list) {
        const bool member = std::find(members.begin(), members.end(), mic.id) != members.end();
        addMemberRow(&mic, member ? Qt::Checked : Qt::Unchecked);
    }
    mics->unlockList();
}

void KyMicGroupEditDialog::addMemberRow(const KyMic* mic, int checkState)
{
    kyAppendCheckRow(ui->fMemberTableWidget,
                     {localToQString(mic->name.c_str()), QString::number(mic->id), localToQString(mic->ip.c_str())},
                     mic->id, checkState == Qt::Checked);
}

void KyMicGroupEditDialog::slot_stateChanged(int state)
{
    kySetAllChecked(ui->fMemberTableWidget, static_cast<Qt::CheckState>(state));
}

void KyMicGroupEditDialog::slot_ok_clicked()
{
    const QString name = ui->fNameEdit->text();
    if (name.isEmpty()) {
        kyShowTips(tr("The name cannot be empty!"));
        return;
    }
    // Left as shown (a name cut to 32 characters, a ring time above 99): the stored value.
    m_group->name = kyKeptValue(m_group->name, m_shownName, name.toLocal8Bit().toStdString());
    const int ringTime = ui->fRingTimeSpinBox->value();
    m_group->ringTime = m_group->id != 0 ? kyKeptValue(m_group->ringTime, m_shownRingTime, ringTime) : ringTime;
    if (ui->fRuleComboBox->currentIndex() >= 0)
        m_group->callWaitRule = ui->fRuleComboBox->currentIndex() + 1;
    m_group->members.clear();
    for (const auto& row : kyCheckedRows(ui->fMemberTableWidget))
        m_group->members.push_back(row.first);
    m_group->members.insert(m_group->members.end(), m_unshownMembers.begin(), m_unshownMembers.end());
    accept();
}
