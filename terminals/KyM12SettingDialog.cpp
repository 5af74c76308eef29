#include "KyM12SettingDialog.h"

#include <QTableWidget>
#include <algorithm>
#include <vector>

#include "BaseMessageDialog.h"
#include "KyListLock.h"
#include "KyM02ListMgr.h"
#include "KyM04ListMgr.h"
#include "KyM12ListMgr.h"
#include "KyMicListMgr.h"
#include "KyRegionListMgr.h"
#include "KySsTaskDataMgr.h"
#include "KyTableBatch.h"
#include "KyTableUtil.h"
#include "KyTerminalType.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fM12SettingForm.h"

namespace {

bool bookHas(const std::vector<KyBookEntry>& book, int id)
{
    return std::any_of(book.begin(), book.end(), [id](const KyBookEntry& e) { return e.id == id; });
}

// A call-book entry matches a terminal by id and by the name of its type code.
bool callBookHas(const std::vector<KyBookEntry>& book, const KyBaseTerminal& term)
{
    return std::any_of(book.begin(), book.end(), [&term](const KyBookEntry& e) {
        return e.id == term.id && terminalTypeName(e.type) == term.type;
    });
}

void showTip(const QString& text)
{
    BaseMessageDialog msg(KyTipsInfo::tips(), text, 1);
    msg.exec();
}

}  // namespace

KyM12SettingDialog::KyM12SettingDialog(KyM12* m12)
    : KyShadowDialog(nullptr), m_m12(m12), m_form(new Ui::fM12SettingForm)
{
    m_form->setupUi(this);
    setMouseTracking(true);
    const QString title = QStringLiteral("手机设置");
    setWindowTitle(title);
    setWindowIcon(QIcon(":/images/edit20x20.png"));
    m_form->titleNameLabel->setText(title);
    m_form->iconLabel->setPixmap(QPixmap(":/images/edit20x20.png"));
    m_form->dialogCloseBtn->setFixedSize(23, 25);
    m_form->fConfigTabWidget->setCurrentIndex(0);
    if (m_m12) {
        m_form->fNameEdit->setText(localToQString(m_m12->name));
        // As shown: a stored name that is not UTF-8 is not sent back unless edited.
        m_openName = m_form->fNameEdit->text().toLocal8Bit().toStdString();
    }

    m_talk.ctrl.setTable(m_form->fTalkTb, m_form->fTalkAllCb, 3);
    m_soundSources.ctrl.setTable(m_form->fSsTaskTb, m_form->fSsTaskCb, 2);
    m_regions.ctrl.setTable(m_form->fRegionTb, m_form->fRegionCb, 2);
    if (m_m12) {
        fillTalkTable();
        fillSoundSourceTable();
        fillRegionTable();
    }

    connect(m_form->fOkBtn, &QPushButton::clicked, this, &KyM12SettingDialog::slot_ok_clicked);
    connect(m_form->fCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_form->dialogCloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

KyM12SettingDialog::~KyM12SettingDialog() = default;

void KyM12SettingDialog::fillTalkTable()
{
    KyM12ListMgr* m12s = KyM12ListMgr::instance();
    if (m12s->requestBooks({KyM12Manage::RT_CALL_BOOK, m_m12->id}) != 0)
        return;
    m_talk.loaded = true;
    const std::vector<KyBookEntry> book = m12s->contactList();
    auto add = [&](const KyBaseTerminal& term) {
        m_talk.ctrl.addRow(callBookHas(book, term) ? Qt::Checked : Qt::Unchecked, term.name, term.id, term.type);
    };
    KySelectTableCtrl::Batch batch(m_talk.ctrl);
    for (const KyMic& mic : KyM02ListMgr::instance()->m02List())
        add(mic);
    for (const KyMic& mic : KyM04ListMgr::instance()->m04List())
        add(mic);
    {
        KyListLock micList(KyMicListMgr::instance());
        if (!micList)
            return;
        for (const KyMic& mic : *micList)
            add(mic);
    }
    KyListLock m12List(m12s);
    if (!m12List)
        return;
    for (const KyM12& other : *m12List) {
        if (other.id != m_m12->id)
            add(other);
    }
}

void KyM12SettingDialog::fillSoundSourceTable()
{
    KyM12ListMgr* m12s = KyM12ListMgr::instance();
    if (m12s->requestBooks({KyM12Manage::RT_SOURCE_BOOK, m_m12->id}) != 0)
        return;
    m_soundSources.loaded = true;
    const std::vector<KyBookEntry> book = m12s->soundSourceList();
    std::vector<int> shown;
    {
        KyTableBatch rows(m_form->fSsTaskTb);
        for (const KySsTask& task : KySsTaskDataMgr::instance()->taskList()) {
            if (task.sourceCategory == 1) {
                addCheckRow(rows, m_form->fSsTaskTb->columnCount(), bookHas(book, task.id), task.name, task.id);
                shown.push_back(task.id);
            }
        }
    }
    for (const KyBookEntry& e : book) {
        if (std::find(shown.begin(), shown.end(), e.id) == shown.end())
            m_soundSources.unshown += (m_soundSources.unshown.empty() ? "" : " ") + std::to_string(e.id);
    }
}

void KyM12SettingDialog::fillRegionTable()
{
    KyM12ListMgr* m12s = KyM12ListMgr::instance();
    if (m12s->requestBooks({KyM12Manage::RT_REGION_BOOK, m_m12->id}) != 0)
        return;
    m_regions.loaded = true;
    const std::vector<KyBookEntry> book = m12s->regionList();
    KyTableBatch rows(m_form->fRegionTb);
    for (const KyRegion& region : KyRegionListMgr::instance()->regionList())
        addCheckRow(rows, m_form->fRegionTb->columnCount(), bookHas(book, region.id), region.name, region.id);
}

void KyM12SettingDialog::addCheckRow(KyTableBatch& rows, int columns, bool checked, const std::string& name, int id)
{
    const int row = rows.appendRow();
    rows.setItem(row, 0,
                 KyTableUtil::checkableItem(localToQString(name), checked ? Qt::Checked : Qt::Unchecked,
                                            id));
    // The id cell's data: 1 while checked.
    auto* idItem = new QTableWidgetItem(QString::number(id));
    idItem->setData(Qt::UserRole, checked ? 1 : 0);
    rows.setItem(row, 1, idItem);
    if (columns == 3)
        rows.setItem(row, 2, new QTableWidgetItem());
}

bool KyM12SettingDialog::saveName()
{
    const std::string name = m_form->fNameEdit->text().toLocal8Bit().toStdString();
    if (name.empty()) {
        showTip(QStringLiteral("名称不能为空！"));
        return false;
    }
    // Compared with the name the dialog showed when opened: a refused save
    // has already written the new name into the record.
    if (!m_m12 || name == m_openName)
        return true;
    m_m12->name = name;
    if (KyM12ListMgr::instance()->saveM12(m_m12) != 0) {
        showTip(QStringLiteral("设置错误！"));
        return false;
    }
    return true;
}

void KyM12SettingDialog::saveList(const Pick& pick, int bookType, bool withType, const char* failText)
{
    if (!pick.ctrl.changed || !pick.loaded)
        return;
    QTableWidget* t = pick.ctrl.table;
    std::string text;
    for (int row = 0; row < t->rowCount(); ++row) {
        QTableWidgetItem* item = t->item(row, 0);
        if (!item || item->checkState() != Qt::Checked)
            continue;
        if (!text.empty())
            text += ' ';
        if (withType) {
            QTableWidgetItem* type = t->item(row, 2);
            text += (type ? type->text().toStdString() : std::string()) + "_";
        }
        text += std::to_string(item->data(Qt::UserRole).toInt());
    }
    if (!pick.unshown.empty())
        text += (text.empty() ? "" : " ") + pick.unshown;
    if (KyM12ListMgr::instance()->saveBooks({bookType, m_m12->id, text}) != 0)
        showTip(QString::fromUtf8(failText));
}

void KyM12SettingDialog::slot_ok_clicked()
{
    if (!saveName())
        return;
    if (m_m12) {
        saveList(m_talk, KyM12Manage::RT_CALL_SAVE, true, "提交通信名单错误!");
        saveList(m_soundSources, KyM12Manage::RT_SOURCE_SAVE, false, "提交音源任务错误!");
        saveList(m_regions, KyM12Manage::RT_REGION_SAVE, false, "提交分区配置错误!");
    }
    accept();
}
