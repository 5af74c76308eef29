#include "KyM11SettingDialog.h"

#include <QTableWidget>
#include <algorithm>

#include "BaseMessageDialog.h"
#include "KyListLock.h"
#include "KyM02ListMgr.h"
#include "KyKeptValue.h"
#include "KyM04ListMgr.h"
#include "KyMicListMgr.h"
#include "KyPlayTermListMgr.h"
#include "KyRegionListMgr.h"
#include "KySsTaskDataMgr.h"
#include "KyTableBatch.h"
#include "KyTableUtil.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fM11SettingForm.h"

namespace {

bool contains(const std::vector<KyBookEntry>& book, int id)
{
    return std::any_of(book.begin(), book.end(), [id](const KyBookEntry& e) { return e.id == id; });
}

bool eligible(const KySsTask& task)
{
    return task.sourceCategory == 1 && task.sourceType != 4;
}

void appendTask(KyTableBatch& rows, const std::string& name, int id)
{
    auto* item = new QTableWidgetItem(localToQString(name));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setData(Qt::UserRole, id);
    rows.setItem(rows.appendRow(), 0, item);
}

int rowId(QTableWidget* table, int row)
{
    QTableWidgetItem* item = table->item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

}  // namespace

bool KyM11SettingDialog::Settings::operator==(const Settings& o) const
{
    return name == o.name && std::equal(vol, vol + 4, o.vol) && pttMode == o.pttMode;
}

KyM11SettingDialog::KyM11SettingDialog(KyMic* mic) : ui(new Ui::fM11SettingForm), m_mic(mic)
{
    ui->setupUi(this);
    setMouseTracking(true);
    ui->iconLabel->setPixmap(QPixmap(":/images/edit20x20.png"));
    ui->titleNameLabel->setText(tr("Mic Setting"));
    setWindowTitle(tr("Mic Setting"));
    setWindowIcon(QIcon(":/images/edit20x20.png"));
    ui->dialogCloseBtn->setFixedSize(23, 25);
    ui->fNameEdit->setText(localToQString(mic->name));
    m_opened.name = mic->name;
    std::copy(mic->vol, mic->vol + 4, m_opened.vol);
    m_opened.pttMode = mic->pttMode;
    setupVolumes();
    ui->fPTTcomboBox->setCurrentIndex(mic->pttMode == 1 ? 1 : 0);

    m_talkCtrl.setTable(ui->fTalkTb, ui->fTalkAllCb, 3);
    m_transferCtrl.setTable(ui->fTransferMicTb, ui->fTranMicAllCb, 4);
    m_groupCtrl.setTable(ui->fGroupTb, ui->fGroupAllCb, 4);
    m_monitorCtrl.setTable(ui->fMonitorTb, ui->fMonitorAllCb, 1);
    m_regionCtrl.setTable(ui->fRegionTb, ui->fRegionCb, 4);
    ui->fSsTaskTb->setColumnCount(2);
    ui->fSsTaskTb->setHorizontalHeaderLabels({QString::fromUtf8("名称"), "ID"});
    ui->fSsTaskTb->setColumnHidden(1, true);
    ui->fSeleSsTaskTb->setColumnCount(1);
    ui->fSeleSsTaskTb->setHorizontalHeaderLabels({QString::fromUtf8("名称")});
    setupTableWidget(ui->fSsTaskTb);
    setupTableWidget(ui->fSeleSsTaskTb);

    fillMonitorTable();
    fillSoundSourceTables();
    fillRegionTable();
    renameTabs();
    connectWidgets();
    m_shown = enteredSettings();
}

KyM11SettingDialog::~KyM11SettingDialog() = default;

void KyM11SettingDialog::setupVolumes()
{
    const struct {
        QSlider* slider;
        QSpinBox* box;
        int index;
    } volumes[] = {{ui->fCapSlider, ui->fCapSpinBox, KyMic::VOL_CAPTURE},
                   {ui->fTalkSlider, ui->fTalkSpinBox, KyMic::VOL_TALK},
                   {ui->fRingSlider, ui->fRingSpinBox, KyMic::VOL_RING},
                   {ui->fBcastSlider, ui->fBcastSpinBox, KyMic::VOL_BROADCAST}};
    for (const auto& v : volumes) {
        v.slider->setRange(0, 100);
        v.box->setRange(0, 100);
        v.box->setValue(m_mic->vol[v.index]);
        v.slider->setValue(m_mic->vol[v.index]);
        connect(v.slider, &QSlider::valueChanged, v.box, &QSpinBox::setValue);
        connect(v.box, QOverload<int>::of(&QSpinBox::valueChanged), v.slider, &QSlider::setValue);
    }
}

void KyM11SettingDialog::connectWidgets()
{
    connect(ui->fOkBtn, &QPushButton::clicked, this, &KyM11SettingDialog::slot_ok_clicked);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->dialogCloseBtn, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->fSsTaskUpBtn, &QPushButton::clicked, this, &KyM11SettingDialog::moveup_broad_file);
    connect(ui->fSsTaskDownBtn, &QPushButton::clicked, this, &KyM11SettingDialog::movedown_broad_file);
    connect(ui->fSeleDelSsTaskBtn, &QPushButton::clicked, this,
            QOverload<>::of(&KyM11SettingDialog::slot_delSelectedSsTask));
    connect(ui->fSeleSsTaskTb, &QTableWidget::cellDoubleClicked, this,
            QOverload<int, int>::of(&KyM11SettingDialog::slot_delSelectedSsTask));
    connect(ui->fSsTaskTb, &QTableWidget::cellDoubleClicked, this, &KyM11SettingDialog::slot_addSsPlan);
    connect(ui->fSsPlanAddBtn, &QPushButton::clicked, this, &KyM11SettingDialog::slot_addAllSelectedPlan);
}

void KyM11SettingDialog::fillMonitorTable()
{
    KyMicListMgr* mics = KyMicListMgr::instance();
    if (mics->requestMicBooks({KyM11Manage::RT_MONITOR_BOOK, m_mic->id}) != 0)
        return;
    m_monitorLoaded = true;
    const std::vector<KyBookEntry> book = mics->monitorList();
    auto add = [&](const KyBaseTerminal& t) {
        m_monitorCtrl.addRow(contains(book, t.id) ? Qt::Checked : Qt::Unchecked, t.name, t.id, t.type);
    };
    KySelectTableCtrl::Batch batch(m_monitorCtrl);
    for (const KyMic& m : KyM02ListMgr::instance()->m02List())
        add(m);
    for (const KyMic& m : KyM04ListMgr::instance()->m04List())
        add(m);
    {
        KyListLock mic11(mics);
        if (!mic11)
            return;
        for (const KyMic& m : *mic11)
            if (m.id != m_mic->id)
                add(m);
    }
    KyListLock play(KyPlayTermListMgr::instance());
    if (!play)
        return;
    for (const KyTerminal& t : *play)
        add(t);
}

void KyM11SettingDialog::fillSoundSourceTables()
{
    KyMicListMgr* mics = KyMicListMgr::instance();
    if (mics->requestMicBooks({KyM11Manage::RT_SOURCE_BOOK, m_mic->id}) != 0)
        return;
    m_sourceLoaded = true;
    const std::list<KySsTask> tasks = KySsTaskDataMgr::instance()->taskList();
    {
        KyTableBatch chosen(ui->fSeleSsTaskTb);
        for (const KyBookEntry& e : mics->soundSourceList()) {
            m_storedSources.push_back(e.id);
            for (const KySsTask& t : tasks)
                if (t.id == e.id && eligible(t)) {
                    appendTask(chosen, t.name, t.id);
                    m_shownSources.push_back(e.id);
                }
        }
    }
    KyTableBatch all(ui->fSsTaskTb);
    for (const KySsTask& t : tasks)
        if (eligible(t))
            appendTask(all, t.name, t.id);
}

void KyM11SettingDialog::fillRegionTable()
{
    KyMicListMgr* mics = KyMicListMgr::instance();
    if (mics->requestMicBooks({KyM11Manage::RT_REGION_BOOK, m_mic->id}) != 0)
        return;
    m_regionLoaded = true;
    const std::vector<KyBookEntry> book = mics->regionList();
    KySelectTableCtrl::Batch batch(m_regionCtrl);
    for (const KyRegion& r : KyRegionListMgr::instance()->regionList())
        m_regionCtrl.addRow(contains(book, r.id) ? Qt::Checked : Qt::Unchecked, r.name, r.id, "");
}

void KyM11SettingDialog::renameTabs()
{
    QTabWidget* tabs = ui->fConfigTabWidget;
    tabs->setTabText(2, QString::fromUtf8("选择监听终端"));
    tabs->setTabText(3, QString::fromUtf8("选择音源"));
    tabs->setTabText(4, QString::fromUtf8("选择分区"));
    tabs->setCurrentIndex(2);
    tabs->removeTab(1);
    tabs->removeTab(0);
    ui->fSsTaskCb->hide();
}

void KyM11SettingDialog::message(const QString& text)
{
    BaseMessageDialog(KyTipsInfo::tips(), text, 1).exec();
}

void KyM11SettingDialog::slot_addAllSelectedPlan()
{
    slot_addSsPlan(0, 0);
}

void KyM11SettingDialog::slot_addSsPlan(int, int)
{
    QTableWidget* chosen = ui->fSeleSsTaskTb;
    for (QTableWidgetItem* item : ui->fSsTaskTb->selectedItems()) {
        if (item->column() != 0)
            continue;
        const int id = item->data(Qt::UserRole).toInt();
        bool already = false;
        for (int r = 0; r < chosen->rowCount() && !already; ++r)
            already = rowId(chosen, r) == id;
        if (already) {
            BaseMessageDialog(QString::fromUtf8("提示"), QString::fromUtf8("已经选择!"), 1).exec();
        } else {
            KyTableBatch rows(chosen);
            appendTask(rows, item->text().toLocal8Bit().toStdString(), id);
        }
    }
}

void KyM11SettingDialog::slot_delSelectedSsTask()
{
    QList<int> rows;
    for (QTableWidgetItem* item : ui->fSeleSsTaskTb->selectedItems())
        if (item->column() == 0)
            rows.append(item->row());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        ui->fSeleSsTaskTb->removeRow(row);
}

void KyM11SettingDialog::slot_delSelectedSsTask(int row, int)
{
    ui->fSeleSsTaskTb->removeRow(row);
}

void KyM11SettingDialog::swapChosen(int from, int to)
{
    swapTableRows(ui->fSeleSsTaskTb, to, from, ui->fSeleSsTaskTb->columnCount());
    ui->fSeleSsTaskTb->setCurrentCell(to, 0);
}

void KyM11SettingDialog::moveup_broad_file()
{
    const int row = ui->fSeleSsTaskTb->currentRow();
    if (row > 0)
        swapChosen(row, row - 1);
}

void KyM11SettingDialog::movedown_broad_file()
{
    const int row = ui->fSeleSsTaskTb->currentRow();
    if (row >= 0 && row < ui->fSeleSsTaskTb->rowCount() - 1)
        swapChosen(row, row + 1);
}

QString KyM11SettingDialog::monitorText() const
{
    QStringList entries;
    QTableWidget* t = ui->fMonitorTb;
    for (int r = 0; r < t->rowCount(); ++r) {
        QTableWidgetItem* name = t->item(r, 0);
        if (!name || name->checkState() != Qt::Checked)
            continue;
        const QString type = t->item(r, 1) ? t->item(r, 1)->text() : QString();
        entries << QString("%1_%2").arg(type.contains("Mic") ? type : QString("IpAmp")).arg(rowId(t, r));
    }
    return entries.join(' ');
}

QString KyM11SettingDialog::soundSourceText() const
{
    // The chosen rows take the places of the stored ids that had a row; the
    // others stay where they were; rows beyond those places go last.
    QStringList ids;
    const int rows = ui->fSeleSsTaskTb->rowCount();
    int next = 0;
    for (int id : m_storedSources) {
        const bool shown = std::find(m_shownSources.begin(), m_shownSources.end(), id) != m_shownSources.end();
        if (!shown)
            ids << QString::number(id);
        else if (next < rows)
            ids << QString::number(rowId(ui->fSeleSsTaskTb, next++));
    }
    while (next < rows)
        ids << QString::number(rowId(ui->fSeleSsTaskTb, next++));
    return ids.join(' ');
}

QString KyM11SettingDialog::regionText() const
{
    QStringList ids;
    QTableWidget* t = ui->fRegionTb;
    for (int r = 0; r < t->rowCount(); ++r)
        if (t->item(r, 0) && t->item(r, 0)->checkState() == Qt::Checked)
            ids << QString::number(rowId(t, r));
    return ids.join(' ');
}

KyM11SettingDialog::Settings KyM11SettingDialog::enteredSettings() const
{
    Settings s;
    s.name = ui->fNameEdit->text().toLocal8Bit().toStdString();
    s.vol[KyMic::VOL_CAPTURE] = ui->fCapSpinBox->value();
    s.vol[KyMic::VOL_TALK] = ui->fTalkSpinBox->value();
    s.vol[KyMic::VOL_RING] = ui->fRingSpinBox->value();
    s.vol[KyMic::VOL_BROADCAST] = ui->fBcastSpinBox->value();
    s.pttMode = ui->fPTTcomboBox->currentIndex();
    return s;
}

KyM11SettingDialog::Settings KyM11SettingDialog::settingsToSave(const Settings& entered) const
{
    Settings s;
    s.name = kyKeptValue(m_opened.name, m_shown.name, entered.name);
    for (int i = 0; i < 4; ++i)
        s.vol[i] = kyKeptValue(m_opened.vol[i], m_shown.vol[i], entered.vol[i]);
    s.pttMode = kyKeptValue(m_opened.pttMode, m_shown.pttMode, entered.pttMode);
    return s;
}

void KyM11SettingDialog::saveBook(int type, const QString& text, const QString& failure)
{
    if (KyMicListMgr::instance()->saveMicBooks({type, m_mic->id, text.toLocal8Bit().toStdString()}) != 0)
        message(failure);
}

void KyM11SettingDialog::slot_ok_clicked()
{
    if (ui->fNameEdit->text().isEmpty()) {
        message(tr("The name cannot be empty!"));
        return;
    }
    // Compared with what the dialog showed when it opened: a refused save has
    // already written the entered values into the record.
    const Settings entered = enteredSettings();
    if (!(entered == m_shown)) {
        const Settings s = settingsToSave(entered);
        m_mic->name = s.name;
        std::copy(s.vol, s.vol + 4, m_mic->vol);
        m_mic->pttMode = s.pttMode;
        if (KyMicListMgr::instance()->saveMic(m_mic) != 0) {
            message(tr("Setting Error!"));
            return;
        }
    }
    // A list whose book did not load is never sent: it would replace the stored one.
    if (m_monitorLoaded && m_monitorCtrl.changed)
        saveBook(KyM11Manage::RT_MONITOR_SAVE, monitorText(), tr("Setting Monitor List Error!"));
    if (m_sourceLoaded)
        saveBook(KyM11Manage::RT_SOURCE_SAVE, soundSourceText(), tr("Setting Ss Task List Error!"));
    if (m_regionLoaded && m_regionCtrl.changed)
        saveBook(KyM11Manage::RT_REGION_SAVE, regionText(), tr("Setting Region List Error!"));
    accept();
}
