#include "KyRegionEditDialog.h"

#include <algorithm>
#include <set>

#include "KyListLock.h"
#include "KyM02ListMgr.h"
#include "KyM04ListMgr.h"
#include "KyPlayTermListMgr.h"
#include "KyRegion.h"
#include "KyTableBatch.h"
#include "KyTextUtil.h"
#include "ui_fRegionEditDialog.h"

KyRegionEditDialog::KyRegionEditDialog(KyRegion* region) : m_region(region), ui(new Ui::fRegionEditDialog)
{
    ui->setupUi(this);
    setupEditor(KyOrgEditWidgets::of(*ui, ui->fTerminalTableWidget), {tr("ID"), tr("Type"), tr("IP")},
                m_region->id == 0, "Region New", "Region Edit", m_region->name);
    fillTerminalTable();
}

KyRegionEditDialog::~KyRegionEditDialog() = default;

bool KyRegionEditDialog::isMember(int id) const
{
    const auto& members = m_region->members;
    return std::any_of(members.begin(), members.end(), [id](const KyBaseTerminal& t) { return t.id == id; });
}

// Play terminals, then mic02, then mic04. A member that no row shows is
// dropped when every list arrived, and kept when one of them never did.
void KyRegionEditDialog::fillTerminalTable()
{
    bool allLoaded = true;
    KyM02ListMgr* m02 = KyM02ListMgr::instance();
    KyM04ListMgr* m04 = KyM04ListMgr::instance();
    {
        KyTableBatch rows(memberTable());
        if (KyListLock list(KyPlayTermListMgr::instance()); list) {
            for (const KyTerminal& term : *list)
                addTerminalRow(rows, term);
        } else {
            allLoaded = false;
        }
        for (const KyMic& mic : m02->m02List())
            addTerminalRow(rows, mic);
        for (const KyMic& mic : m04->m04List())
            addTerminalRow(rows, mic);
    }
    if (allLoaded && m02->loaded() && m04->loaded())
        return;

    std::set<int> shown;
    for (int row = 0; row < memberTable()->rowCount(); ++row)
        shown.insert(memberTable()->item(row, 0)->data(Qt::UserRole).toInt());
    for (const KyBaseTerminal& member : m_region->members) {
        if (!shown.count(member.id))
            m_unshownMembers.push_back(member);
    }
}

void KyRegionEditDialog::addTerminalRow(KyTableBatch& rows, const KyBaseTerminal& term)
{
    appendMemberRow(rows,
                    {localToQString(term.name), QString::number(term.id), localToQString(term.type),
                     localToQString(term.ip)},
                    term.id, isMember(term.id));
}

void KyRegionEditDialog::store(const std::string& name)
{
    m_region->name = keptName(m_region->name, name);
    m_region->members.clear();
    for (const auto& row : checkedRows()) {
        KyBaseTerminal member;
        member.id = row.first;
        member.name = row.second.toLocal8Bit().toStdString();
        m_region->members.push_back(member);
    }
    m_region->members.insert(m_region->members.end(), m_unshownMembers.begin(), m_unshownMembers.end());
}
