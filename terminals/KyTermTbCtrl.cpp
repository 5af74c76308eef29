#include "KyTermTbCtrl.h"

#include <QTableWidget>

#include "KyPlayTermListMgr.h"

void KyTermTbCtrl::showTerminals()
{
    KyPlayTermListMgr* mgr = KyPlayTermListMgr::instance();
    std::list<KyTerminal>* list = mgr->lockList();
    if (!list)
        return;
    QTableWidget* t = table();
    t->setRowCount(0);
    // The cache keeps ascending ids already.
    fillTerminals(*list);
    mgr->unlockList();
    t->resizeColumnToContents(1);
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
    if (QTableWidgetItem* item = table()->item(row, column))
        setItemTextAndId(item, QByteArray::number(value).constData(), value);
}

void KyTermTbCtrl::setVolumeCell(int row, int value)
{
    setIntCell(row, m_volumeColumn, value);
}

void KyTermTbCtrl::setAmpCell(int row, int state)
{
    if (QTableWidgetItem* item = table()->item(row, m_ampColumn))
        setItemTextAndId(item, ampOnText(state).toLocal8Bit().constData(), state);
}
