#include "KyBaseTaskMgrForm.h"

#include <algorithm>

#include <QCoreApplication>
#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KySsTaskDataMgr.h"
#include "KyTaskVocabulary.h"
#include "KyTextUtil.h"
#include "KyTimerTaskEditDialog.h"
#include "KyTipsInfo.h"
#include "ui_fTaskInfoForm.h"

namespace {
enum Column { ColName, ColId, ColStart, ColType, ColState, ColVolume, ColCount, ColContent, ColumnCount };
const char* const kNoTime = "------";
const char* const kRunningText = QT_TR_NOOP("Task is runnig, it is not editable!");

std::string startTimeText(const KySsTask& task)
{
    if (task.execTimeList.empty())
        return kNoTime;
    return formatDuration(static_cast<uint32_t>(task.execTimeList.front().seconds));
}

QString typeText(int code)
{
    return QString::fromLocal8Bit(broadcastTypeText8(code).c_str());
}

QString stateText(int code)
{
    return QString::fromLocal8Bit(taskStateText(code).c_str());
}

std::string countText(const KySsTask& task)
{
    if (task.playTimes != 0)
        return std::to_string(task.playTimes);
    return formatDuration(static_cast<uint32_t>(task.duration));
}
}

KyBaseTaskMgrForm::KyBaseTaskMgrForm() : QWidget(nullptr), ui(new Ui::fTaskInfoForm)
{
    ui->setupUi(this);
    KyBaseTaskMgrForm::initTable();
    QTableWidget* t = ui->fTaskTableWidget;
    t->setColumnCount(ColumnCount);
    t->setHorizontalHeaderLabels({makeColumnKeyName(), QString::fromUtf8("任务编号"), QString::fromUtf8("开始时间"),
                                  tr("Broadcast Type"), tr("State"), tr("Play Volume"),
                                  QString::fromUtf8("次数/时长"), QString::fromUtf8("播放内容")});
    setupTable();

    KySsTaskDataMgr* store = KySsTaskDataMgr::instance();
    connect(store, &KySsTaskDataMgr::taskChanged, this, &KyBaseTaskMgrForm::slot_updateTaskRow);
    connect(store, &KySsTaskDataMgr::taskDeleted, this, &KyBaseTaskMgrForm::slot_delTaskRow);
    connect(store, &KySsTaskDataMgr::taskDeleteFailed, this, &KyBaseTaskMgrForm::slot_delTaskFailed);
    connect(ui->fDelBtn, &QPushButton::clicked, this, &KyBaseTaskMgrForm::slot_deleteClicked);
}

KyBaseTaskMgrForm::~KyBaseTaskMgrForm() = default;

QTableWidget* KyBaseTaskMgrForm::table()
{
    return ui->fTaskTableWidget;
}

void KyBaseTaskMgrForm::initTable()
{
    ui->fEditBtn->setText(tr("Edit"));
    ui->tableNameLable->setText(tr("Task List"));
    ui->tableNameLable->setStyleSheet(QStringLiteral("font: 9pt; color:white"));
}

bool KyBaseTaskMgrForm::runEditor(KySsTask& task)
{
    KyTimerTaskEditDialog dlg(&task);
    return dlg.exec() != 0;
}

void KyBaseTaskMgrForm::connectCommon()
{
    connect(KySsTaskDataMgr::instance(), &KySsTaskDataMgr::gotTaskList, this, &KyBaseTaskMgrForm::slot_showTaskList);
    connect(ui->fNewBtn, &QPushButton::clicked, this, &KyBaseTaskMgrForm::slot_addClicked);
    connect(ui->fEditBtn, &QPushButton::clicked, this, &KyBaseTaskMgrForm::slot_editClicked);
}

void KyBaseTaskMgrForm::addTaskRow(const KySsTask& task)
{
    table()->insertRow(0);
    fillNewRow(0, task);
}

void KyBaseTaskMgrForm::fillNewRow(int row, const KySsTask& task)
{
    setCellItem(std::to_string(task.id), row, ColId, task.id);
    fillTaskRow(row, task);
}

void KyBaseTaskMgrForm::fillTaskRow(int row, const KySsTask& task)
{
    setCellItem(task.name, row, ColName, task.id);
    setCellItem(startTimeText(task), row, ColStart, 0);
    setCellText(cachedText(m_typeTexts, task.sourceType, typeText), row, ColType, 0);
    setCellText(cachedText(m_stateTexts, task.status, stateText), row, ColState, task.status);
    setCellItem(std::to_string(task.playVol), row, ColVolume, 0);
    setCellItem(countText(task), row, ColCount, 0);
    static const QString noTime = QString::fromLatin1(kNoTime);
    setCellText(noTime, row, ColContent, 0);
}

void KyBaseTaskMgrForm::updateRow(int row, int id)
{
    KySsTask task;
    if (KySsTaskDataMgr::instance()->getTask(id, task))
        fillTaskRow(row, task);
}

bool KyBaseTaskMgrForm::belongsHere(const KySsTask& task) const
{
    return task.sourceCategory == m_taskKind && (m_taskKind != KY_TASK_TIMER || task.timerPlanId == m_schemeId);
}

void KyBaseTaskMgrForm::fillTaskList()
{
    clearTable();
    m_sorted = false;
    m_typeTexts.clear();
    m_stateTexts.clear();
    const std::list<KySsTask> tasks = KySsTaskDataMgr::instance()->taskList();
    std::vector<const KySsTask*> shown;
    for (const KySsTask& task : tasks)
        if (belongsHere(task))
            shown.push_back(&task);
    fillTopDown(shown, [this](int row, const KySsTask* task) { fillNewRow(row, *task); });
}

QString KyBaseTaskMgrForm::startKey(int row) const
{
    QTableWidgetItem* item = ui->fTaskTableWidget->item(row, ColStart);
    return item ? item->text() : QString();
}

bool KyBaseTaskMgrForm::inStartOrder() const
{
    const int rows = ui->fTaskTableWidget->rowCount();
    QString prev = startKey(0);
    for (int row = 1; row < rows; ++row) {
        QString key = startKey(row);
        if (key < prev)
            return false;
        prev.swap(key);
    }
    return true;
}

void KyBaseTaskMgrForm::sortByStartTime(int touched)
{
    if (m_sorted && touched >= 0)
        placeRow(touched);
    else if (!m_sorted && !inStartOrder())
        table()->sortItems(ColStart, Qt::AscendingOrder);
    m_sorted = true;
}

void KyBaseTaskMgrForm::placeRow(int touched)
{
    // Where a stable sort puts it: after the other rows with a smaller text
    // and after those with the same text that stood above it.
    const int others = table()->rowCount() - 1;
    const QString key = startKey(touched);
    auto keyOf = [this, touched](int i) { return startKey(i < touched ? i : i + 1); };
    // First of the other rows (in order) for which `from` holds.
    auto firstWhere = [&](auto from) {
        int lo = 0;
        int hi = others;
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (from(keyOf(mid)))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    };
    const int lo = firstWhere([&key](const QString& k) { return !(k < key); });
    const int end = firstWhere([&key](const QString& k) { return key < k; });
    const int target = lo + std::max(0, std::min(end, touched) - lo);
    if (target != touched)
        moveRow(touched, target);
}

void KyBaseTaskMgrForm::moveRow(int from, int to)
{
    QTableWidget* t = table();
    const bool current = t->currentRow() == from;
    const int column = t->currentColumn();
    const bool selected = t->item(from, ColName) && t->item(from, ColName)->isSelected();
    std::vector<QTableWidgetItem*> items;
    for (int c = 0; c < t->columnCount(); ++c)
        items.push_back(t->takeItem(from, c));
    t->removeRow(from);
    t->insertRow(to);
    for (int c = 0; c < int(items.size()); ++c)
        t->setItem(to, c, items[c]);
    if (selected)
        t->setRangeSelected(QTableWidgetSelectionRange(to, 0, to, t->columnCount() - 1), true);
    if (current)
        t->setCurrentCell(to, column, QItemSelectionModel::NoUpdate);
}

void KyBaseTaskMgrForm::slot_updateTaskRow(int id)
{
    postRowChange(id);
}

void KyBaseTaskMgrForm::applyRowChange(int id)
{
    KySsTask task;
    const bool stored = KySsTaskDataMgr::instance()->getTask(id, task);
    int row = findRowById(id);
    if (row >= 0 && stored && task.sourceCategory != m_taskKind) {
        removeRow(row);   // of another kind now: the page of that kind lists it
        row = -1;
    } else if (row >= 0) {
        if (stored)
            fillTaskRow(row, task);
        if (row == table()->currentRow())
            widget_item_clicked(nullptr);
    } else if (stored && belongsHere(task)) {
        addTaskRow(task);
        row = 0;
    }
    sortByStartTime(row);
}

void KyBaseTaskMgrForm::slot_delTaskRow(int id)
{
    removeRowById(id);
}

void KyBaseTaskMgrForm::slot_delTaskFailed(QString res)
{
    if (m_deleting)
        message(res);
}

void KyBaseTaskMgrForm::widget_item_clicked(QTableWidgetItem*)
{
    ui->fEditBtn->setEnabled(true);
    ui->fDelBtn->setEnabled(true);
}

std::vector<std::pair<int, int>> KyBaseTaskMgrForm::selectedRowsReversed()
{
    // Ids are taken before any request: rows may go while one waits.
    std::vector<std::pair<int, int>> rows;
    const QList<QTableWidgetItem*> items = table()->selectedItems();
    for (int i = items.size() - 1; i >= 0; --i) {
        if (items[i]->column() != ColName)
            continue;
        const int row = items[i]->row();
        rows.emplace_back(cellInt(row, ColName), cellInt(row, ColState));
    }
    return rows;
}

void KyBaseTaskMgrForm::slot_deleteClicked()
{
    const auto rows = selectedRowsReversed();
    if (rows.empty())
        return;
    BaseMessageDialog ask(KyTipsInfo::tips(), KyTipsInfo::deleteCurrentRecord(), 1);
    if (ask.exec() != 1)
        return;
    KySsTaskDataMgr* store = KySsTaskDataMgr::instance();
    for (const auto& r : rows) {
        KySsTask task;
        if (!store->getTask(r.first, task))
            continue;
        if (task.status == KY_TASK_RUNNING) {
            message(tr(kRunningText));
            continue;
        }
        // A refusal (1) comes back as taskDeleteFailed with the server's text,
        // posted before saveTask returns; only this page shows it.
        m_deleting = true;
        const int rc = store->saveTask(task, 2);
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        m_deleting = false;
        if (rc != 0 && rc != 1)
            message(tr("Delete Error!"));
    }
}

void KyBaseTaskMgrForm::startOrStopSelected(bool start)
{
    const auto rows = selectedRowsReversed();
    if (rows.empty())
        return;
    if (!start) {
        BaseMessageDialog ask(KyTipsInfo::tips(), QString::fromUtf8("停止选择任务？"), 3);
        if (ask.exec() != 1)
            return;
    }
    KySsTaskDataMgr* store = KySsTaskDataMgr::instance();
    for (const auto& r : rows) {
        if ((start && r.second == KY_TASK_RUNNING) || (!start && r.second == KY_TASK_IDLE))
            continue;
        KySsTask task;
        task.id = r.first;
        store->saveTask(task, start ? 3 : 4);
    }
}

void KyBaseTaskMgrForm::addTask()
{
    KySsTask task;
    task.sourceCategory = m_taskKind;
    task.id = 0;
    task.status = KY_TASK_IDLE;
    if (m_taskKind == KY_TASK_TIMER)
        task.timerPlanId = m_schemeId;
    if (runEditor(task))
        saveEdited(task, 0);
}

void KyBaseTaskMgrForm::editCurrentTask(bool micLocked)
{
    KySsTask task;
    const int id = cellInt(table()->currentRow(), ColName);
    if (id == -1 || !KySsTaskDataMgr::instance()->getTask(id, task))
        return;
    if (micLocked && task.sourceType == KY_BROADCAST_MIC) {
        message(pageTr("Mic broadcast it is not editable!"));
        return;
    }
    if (task.status == KY_TASK_RUNNING) {
        message(pageTr(kRunningText));
        return;
    }
    if (runEditor(task))
        saveEdited(task, 1);
}

void KyBaseTaskMgrForm::saveEdited(KySsTask& task, int op)
{
    if (KySsTaskDataMgr::instance()->saveTask(task, op) != 0)
        message(pageTr(op == 0 ? "Add Error!" : "Edit Error!"));
}

void KyBaseTaskMgrForm::message(const QString& text)
{
    BaseMessageDialog msg(KyTipsInfo::tips(), text, 1);
    msg.exec();
}

QString KyBaseTaskMgrForm::pageTr(const char* source) const
{
    return QCoreApplication::translate(metaObject()->className(), source);
}
