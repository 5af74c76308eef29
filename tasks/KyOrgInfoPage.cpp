#include "KyOrgInfoPage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "KyCellItem.h"
#include "KyOrgPageUtil.h"
#include "KyTableBatch.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"

void KyOrgInfoPage::setupPage(const KyOrgPageWidgets& form, const char* title, QStringList headers,
                              const char* memberHeader)
{
    m_form = form;
    form.configBtn->hide();
    form.editBtn->setText(text("Edit"));
    form.title->setText(text(title));
    form.title->setStyleSheet(QStringLiteral("font: 9pt \"微软雅黑\";\ncolor:white"));

    headers.prepend(makeColumnKeyName());
    form.records->setColumnCount(headers.size());
    form.records->setHorizontalHeaderLabels(headers);
    setupTable();
    form.members->setColumnCount(1);
    form.members->setHorizontalHeaderLabels({text(memberHeader)});
    setupTableWidget(form.members);

    connect(form.newBtn, &QPushButton::clicked, this, &KyOrgInfoPage::slot_add_clicked);
    connect(form.editBtn, &QPushButton::clicked, this, &KyOrgInfoPage::slot_edit_clicked);
    connect(form.records, &QTableWidget::itemDoubleClicked, this, &KyOrgInfoPage::slot_edit_clicked);
    connect(form.delBtn, &QPushButton::clicked, this, &KyOrgInfoPage::slot_delete_clicked);
    connect(form.records, &QTableWidget::itemClicked, this, &KyOrgInfoPage::widget_item_clicked);
}

QString KyOrgInfoPage::text(const char* source) const
{
    return QCoreApplication::translate(metaObject()->className(), source);
}

void KyOrgInfoPage::showList()
{
    clearTable();
    fillRows();
}

void KyOrgInfoPage::updateRecordRow(int id)
{
    const int row = findRowById(id);
    if (row < 0) {
        addRowOf(id);
        return;
    }
    updateRow(row, id);
    if (row == table()->currentRow())
        showCurrentMembers();
}

void KyOrgInfoPage::deleteRecordRow(int id)
{
    removeRowById(id);
    clearMembers();
}

void KyOrgInfoPage::clearMembers()
{
    m_tableUtil.clearTableWidget(m_form.members);
}

void KyOrgInfoPage::showMembers(const std::vector<std::pair<int, std::string>>& members)
{
    clearMembers();
    KyTableBatch rows(m_form.members);
    for (const auto& member : members)
        rows.setItem(rows.appendRow(), 0, new KyCellItem(localToQString(member.second), member.first));
}

void KyOrgInfoPage::widget_item_clicked(QTableWidgetItem*)
{
    showCurrentMembers();
}

void KyOrgInfoPage::showCurrentMembers()
{
    showMembersOf(currentId());
}

void KyOrgInfoPage::slot_add_clicked()
{
    if (addRecord() != 0)
        kyShowTips(text("Add Error!"));
}

void KyOrgInfoPage::slot_edit_clicked()
{
    const int id = currentId();
    if (id != -1 && editRecord(id) != 0)
        kyShowTips(text("Edit Error!"));
}

void KyOrgInfoPage::slot_delete_clicked()
{
    for (int id : confirmedSelectedIds()) {
        if (deleteRecord(id) != 0)
            kyShowTips(text("Delete Error!"));
    }
}
