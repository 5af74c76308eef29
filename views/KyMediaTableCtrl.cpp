#include "KyMediaTableCtrl.h"

#include <QHeaderView>
#include <QIcon>
#include <QTableWidget>

#include "KyTextUtil.h"

KyMediaTableCtrl::KyMediaTableCtrl(QObject* parent) : QObject(parent) {}

void KyMediaTableCtrl::setTable(QTableWidget* table, int mode)
{
    mTable = table;
    QStringList labels{tr("Media Name")};
    if (mode != 1) {
        if (mode != 2)
            labels << tr("Duration");
        labels << tr("File Size");
    }
    table->setColumnCount(labels.size());
    table->setHorizontalHeaderLabels(labels);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView* header = table->horizontalHeader();
    header->setHighlightSections(false);
    header->setProperty("showSortIndicator", true);
    header->setStretchLastSection(true);
    table->verticalHeader()->setVisible(false);
}

void KyMediaTableCtrl::addMediaName(std::string name)
{
    if (!mTable)
        return;
    const int row = mTable->rowCount();
    mTable->insertRow(row);
    auto* item = new QTableWidgetItem(QIcon(QStringLiteral(":/images/file_mp3_24px.png")), localToQString(name));
    mTable->setItem(row, 0, item);
}
