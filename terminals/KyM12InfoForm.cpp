#include "KyM12InfoForm.h"

#include <QPushButton>
#include <QTableWidget>
#include <functional>
#include <memory>
#include <set>

#include "BaseMessageDialog.h"
#include "KyListLock.h"
#include "KyM12ListMgr.h"
#include "KyM12SettingDialog.h"
#include "KyManageContext.h"
#include "KyTipsInfo.h"
#include "ui_fCommonTableForm.h"

KyM12InfoForm::KyM12InfoForm() : QWidget(nullptr), m_form(new Ui::fCommonTableForm)
{
    m_form->setupUi(this);
    m_form->tableNameLable->setText(QStringLiteral("移动设备"));
    m_form->tableNameLable->setStyleSheet(QStringLiteral("font: 9pt \"微软雅黑\";\ncolor:white"));
    m_form->fNewBtn->hide();
    m_form->fConfigBtn->setText(tr("Call Config"));
    m_form->fConfigBtn->hide();
    m_form->fEditBtn->setText(QStringLiteral("配置"));
    m_form->fEditBtn->hide();

    QTableWidget* t = table();
    t->setColumnCount(4);
    t->setHorizontalHeaderLabels({makeColumnKeyName(), makeColumnKeyCode(), makeColumnKeyStatus(), makeColumnKeyIp()});
    setupTable();

    KyM12ListMgr* mgr = KyM12ListMgr::instance();
    connect(mgr, &KyM12ListMgr::gotM12List, this, &KyM12InfoForm::slot_showM12List, Qt::QueuedConnection);
    connect(mgr, &KyM12ListMgr::m12Changed, this, &KyM12InfoForm::slot_updateM12Row, Qt::QueuedConnection);
    connect(mgr, &KyM12ListMgr::m12Deleted, this, &KyM12InfoForm::slot_delM12Row, Qt::QueuedConnection);
    connect(m_form->fDelBtn, &QPushButton::clicked, this, &KyM12InfoForm::slot_delMicClicked);
    mgr->init();
    t->hideColumn(0);
}

KyM12InfoForm::~KyM12InfoForm() = default;

QTableWidget* KyM12InfoForm::table()
{
    return m_form->fCommonTableWidget;
}

void KyM12InfoForm::fillRow(int row, const KyM12& m12)
{
    const QString id = QString::number(m12.id);   // one text for both cells
    setCellText(id, row, 0, m12.id);
    setCellText(id, row, 1, m12.id);
    setCellText(isOffline(m12.state) ? QStringLiteral("断线") : QStringLiteral("空闲"), row, 2, m12.id);
    setCellItem(m12.ip, row, 3, m12.id);
}

void KyM12InfoForm::insertTopRow(const KyM12& m12)
{
    table()->insertRow(0);
    fillRow(0, m12);
}

void KyM12InfoForm::slot_showM12List()
{
    KyListLock list(KyM12ListMgr::instance());
    if (!list)
        return;
    fillTopDown(*list, [this](int row, const KyM12& m12) { fillRow(row, m12); });
}

void KyM12InfoForm::slot_updateM12Row(int id)
{
    postRowChange(id);
}

void KyM12InfoForm::applyRowChange(int id)
{
    if (refreshRowById(id) == 0)
        return;
    KyM12 m12;
    if (KyM12ListMgr::instance()->getM12(id, m12))
        insertTopRow(m12);
}

void KyM12InfoForm::updateRow(int row, int id)
{
    const std::unique_ptr<KyM12> m12(KyM12ListMgr::instance()->cloneM12(id));
    if (m12)
        fillRow(row, *m12);
}

void KyM12InfoForm::slot_delM12Row(int id)
{
    slot_delRowById(id);
}

void KyM12InfoForm::slot_delMicClicked()
{
    // Rows of the selected items, from the bottom up. Column 0 is hidden and
    // hidden cells are never among the selected items, so rows are taken
    // from whichever cells are selected.
    std::set<int, std::greater<int>> rows;
    for (QTableWidgetItem* item : table()->selectedItems())
        rows.insert(item->row());
    if (rows.empty())
        return;
    BaseMessageDialog confirm(KyTipsInfo::tips(), KyTipsInfo::deleteCurrentRecord(), 1);
    if (confirm.exec() != 1)
        return;
    KyM12ListMgr* mgr = KyM12ListMgr::instance();
    for (int row : rows) {
        KyM12 m12;
        if (!mgr->getM12(cellInt(row, 0), m12))
            continue;
        if (!isOffline(m12.state)) {
            BaseMessageDialog msg(KyTipsInfo::tips(), KyTipsInfo::terminalMustBeOffline(), 1);
            msg.exec();
            continue;
        }
        if (mgr->removeM12(m12) == 0)
            removeRow(row);
    }
}

void KyM12InfoForm::slot_editClicked()
{
    const int row = table()->currentRow();
    const int id = row < 0 ? -1 : cellInt(row, 0);
    if (id < 0)
        return;
    KyM12 m12;
    if (!KyM12ListMgr::instance()->getM12(id, m12))
        return;
    KyM12SettingDialog dialog(&m12);
    dialog.exec();
}

void KyM12InfoForm::micTableSelected()
{
    KyManageContext* context = KyManageContext::instance();
    const int row = table()->currentRow();
    const int id = row < 0 ? -1 : cellInt(row, 0);
    if (!context || id < 0)
        return;
    KyM12ListMgr::instance()->refreshM12(context->manageCenter(), id);
    table()->selectRow(row);
}
