#include "KyRegionEditDialog.h"

#include <algorithm>
#include <set>

#include "KyKeptValue.h"
#include "KyM02ListMgr.h"
#include "KyM04ListMgr.h"
#include "KyOrgPageUtil.h"
#include "KyPlayTermListMgr.h"
#include "KyRegion.h"
#include "KyTableUtil.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fRegionEditDialog.h"

KyRegionEditDialog::KyRegionEditDialog(KyRegion* region)
    : KyShadowDialog(nullptr), m_region(region), ui(new Ui::fRegionEditDialog)
{
    ui->setupUi(this);
    ui->iconLabel->setPixmap(QPixmap(":/images/edit20x20.png"));
    setWindowIcon(QIcon(":/images/edit20x20.png"));
    ui->fCloseBtn->setFixedSize(23, 25);
    ui->fNameEdit->setMaxLength(32);

    ui->fTerminalTableWidget->setColumnCount(4);
    ui->fTerminalTableWidget->setHorizontalHeaderLabels({makeColumnKeyName(), tr("ID"), tr("Type"), tr("IP")});
    setupTableWidget(ui->fTerminalTableWidget);

    const QString title = m_region->id != 0 ? tr("Region Edit") : tr("Region New");
    setWindowTitle(title);
    ui->titleNameLabel->setText(title);
    if (m_region->id != 0)
        ui->fNameEdit->setText(localToQString(m_region->name.c_str()));
    m_shownName = ui->fNameEdit->text().toLocal8Bit().toStdString();

    connect(ui->fSelectAllCheckBox, &QCheckBox::stateChanged, this, &KyRegionEditDialog::slot_stateChanged);
    connect(ui->fOkBtn, &QPushButton::clicked, this, &KyRegionEditDialog::slot_ok_clicked);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &KyRegionEditDialog::reject);
    connect(ui->fCloseBtn, &QPushButton::clicked, this, &KyRegionEditDialog::close);

    fillTerminalTable();
}

KyRegionEditDialog::~KyRegionEditDialog()
{
    delete ui;
}

bool KyRegionEditDialog::isMember(int id) const
{
    const auto& members = m_region->members;
    return std::any_of(members.begin(), members.end(), [id](const KyBaseTerminal& t) { return t.id == id; });
}

// Play terminals, then mic02, then mic04. A member that no row shows is
// dropped when every list arrived, and kept when one of them never did.
void KyRegionEditDialog::fillTerminalTable()
{
    KyPlayTermListMgr* players = KyPlayTermListMgr::instance();
    bool allLoaded = true;
    if (std::list<KyTerminal>* list = players->lockList()) {
        for (const KyTerminal& term : *list)
            addTerminalRow(term, isMember(term.id) ? Qt::Checked : Qt::Unchecked);
        players->unlockList();
    } else {
        allLoaded = false;
    }
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    for (const KyMic& mic : m02->m02List())
        addTerminalRow(mic, isMember(mic.id) ? Qt::Checked : Qt::Unchecked);
    KyM04ListMgr* m04 = KyM04ListMgr::instance();
    for (const KyMic& mic : m04->m04List())
        addTerminalRow(mic, isMember(mic.id) ? Qt::Checked : Qt::Unchecked);
    if (allLoaded && m02->loaded() && m04->loaded())
        return;

    std::set<int> shown;
    for (int row = 0; row < ui->fTerminalTableWidget->rowCount(); ++row)
        shown.insert(ui->fTerminalTableWidget->item(row, 0)->data(Qt::UserRole).toInt());
    for (const KyBaseTerminal& member : m_region->members) {
        if (!shown.count(member.id))
            m_unshownMembers.push_back(member);
    }
}

void KyRegionEditDialog::addTerminalRow(const KyBaseTerminal& term, int checkState)
{
    kyAppendCheckRow(ui->fTerminalTableWidget,
                     {localToQString(term.name.c_str()), QString::number(term.id), localToQString(term.type.c_str()),
                      localToQString(term.ip.c_str())},
                     term.id, checkState == Qt::Checked);
}

void KyRegionEditDialog::slot_stateChanged(int state)
{
    kySetAllChecked(ui->fTerminalTableWidget, static_cast<Qt::CheckState>(state));
}

void KyRegionEditDialog::slot_ok_clicked()
{
    const QString name = ui->fNameEdit->text();
    if (name.isEmpty()) {
        kyShowTips(tr("The name cannot be empty!"));
        return;
    }
    // Left as shown (cut to 32 characters, bytes that are not UTF-8): the stored name.
    m_region->name = kyKeptValue(m_region->name, m_shownName, name.toLocal8Bit().toStdString());
    m_region->members.clear();
    for (const auto& row : kyCheckedRows(ui->fTerminalTableWidget)) {
        KyBaseTerminal member;
        member.id = row.first;
        member.name = row.second.toLocal8Bit().toStdString();
        m_region->members.push_back(member);
    }
    m_region->members.insert(m_region->members.end(), m_unshownMembers.begin(), m_unshownMembers.end());
    accept();
}
