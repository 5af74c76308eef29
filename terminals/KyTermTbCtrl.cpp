#include "KyTermTbCtrl.h"

#include <QTableWidget>

#include "KyListLock.h"
#include "KyPlayTermListMgr.h"

void KyTermTbCtrl::showTerminals()
{
    KyListLock list(KyPlayTermListMgr::instance());
    if (!list)
        return;
    QTableWidget* t = table();
    t->setRowCount(0);
    // The cache keeps ascending ids already.
    fillTerminals(*list);
}

void KyTermTbCtrl::fillTerminals(const std::list<KyTerminal>& list)
{
    for (const KyTerminal& rec : list) {
        KyTerminal copy = rec;
        addTerminalRow(&copy);
    }
}

void KyTermTbCtrl::setIntCell(int row, int column, int value)
{
    if (table()->item(row, column))
        setCellText(QString::number(value), row, column, value);
}

void KyTermTbCtrl::setVolumeCell(int row, int value)
{
    setIntCell(row, m_volumeColumn, value);
}

void KyTermTbCtrl::setAmpCell(int row, int state)
{
    if (table()->item(row, m_ampColumn))
        setCellText(ampOnText(state), row, m_ampColumn, state);
}
