#include "KyFAlarmInfoForm.h"

#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KyFAlarmListMgr.h"
#include "KyFAlarmSettingDialog.h"
#include "KyListLock.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fCommonTableForm.h"

namespace {
const int kColumns = 4;
const QColor kBlack(0, 0, 0);
const QColor kAlarmRed(252, 65, 54);
}  // namespace

KyFAlarmInfoForm::KyFAlarmInfoForm() : QWidget(nullptr), ui(new Ui::fCommonTableForm)
{
    ui->setupUi(this);
    setupPage();
    KyFAlarmListMgr* mgr = KyFAlarmListMgr::instance();
    connect(mgr, &KyFAlarmListMgr::gotFAlarmList, this, &KyFAlarmInfoForm::slot_showFAlarmList);
    connect(mgr, &KyFAlarmListMgr::fAlarmChanged, this, &KyFAlarmInfoForm::slot_updateFAlarmRow);
    connect(mgr, &KyFAlarmListMgr::m12Deleted, this, &KyFAlarmInfoForm::slot_delFAlarmRow);
    connect(table(), &QTableWidget::cellDoubleClicked, this, &KyFAlarmInfoForm::slot_editClicked);
    connect(ui->fDelBtn, &QPushButton::clicked, this, &KyFAlarmInfoForm::slot_delMicClicked);
    connect(ui->fEditBtn, &QPushButton::clicked, this, &KyFAlarmInfoForm::slot_editClicked);
    mgr->init();
}

KyFAlarmInfoForm::~KyFAlarmInfoForm() = default;

QTableWidget* KyFAlarmInfoForm::table()
{
    return ui->fCommonTableWidget;
}

void KyFAlarmInfoForm::setupPage()
{
    ui->tableNameLable->setText("消防联动");
    ui->tableNameLable->setStyleSheet("font: 9pt \"微软雅黑\";\ncolor:white");
    ui->fEditBtn->setText("配置");
    ui->fNewBtn->hide();
    ui->fConfigBtn->hide();
    QTableWidget* t = table();
    t->setColumnCount(kColumns);
    const QStringList titles = {makeColumnKeyName(), makeColumnKeyCode(), makeColumnKeyStatus(), makeColumnKeyIp()};
    for (int c = 0; c < kColumns; ++c)
        t->setHorizontalHeaderItem(c, new QTableWidgetItem(titles[c]));
    setupTable();
}

QString KyFAlarmInfoForm::stateText(const KyFAlarm& alarm, QColor* colour)
{
    QColor shown = kBlack;
    QString text;
    if (alarm.state == 0) {
        text = QStringLiteral("断线");
    } else if (alarm.shortCircuit == 0) {
        text = QStringLiteral("空闲");
    } else if (alarm.triggerType != 1) {
        text = QStringLiteral("消防报警");
        shown = kAlarmRed;
    } else {
        text = QStringLiteral("短路触发");
    }
    if (colour)
        *colour = shown;
    return text;
}

void KyFAlarmInfoForm::slot_showFAlarmList()
{
    KyListLock list(KyFAlarmListMgr::instance());   // never null
    fillTopDown(*list, [this](int row, const KyFAlarm& alarm) { writeCells(row, alarm); });
}

void KyFAlarmInfoForm::insertTopRow(const KyFAlarm& alarm)
{
    table()->insertRow(0);
    writeCells(0, alarm);
}

void KyFAlarmInfoForm::writeCells(int row, const KyFAlarm& alarm)
{
    QColor colour;
    const QString state = stateText(alarm, &colour);
    auto cell = m_stateCells.find(state);   // made once per state, copied by the rows
    if (cell == m_stateCells.end()) {
        cell = m_stateCells.emplace(state, QTableWidgetItem(state)).first;
        cell->second.setForeground(colour);
    }
    setCellText(localToQString(alarm.name), row, 0, alarm.id);
    setCellText(QString::number(alarm.id), row, 1, 0);
    placeItem(row, 2, new QTableWidgetItem(cell->second));
    setCellText(localToQString(alarm.ip), row, 3, 0);
}

void KyFAlarmInfoForm::updateRow(int row, int id)
{
    std::unique_ptr<KyFAlarm> alarm(KyFAlarmListMgr::instance()->cloneFAlarm(id));
    if (alarm)
        writeCells(row, *alarm);
}

void KyFAlarmInfoForm::slot_delFAlarmRow(int id)
{
    slot_delRowById(id);
}

void KyFAlarmInfoForm::slot_updateFAlarmRow(int id)
{
    postRowChange(id);
}

void KyFAlarmInfoForm::applyRowChange(int id)
{
    const int row = findRowById(id);
    if (row >= 0) {
        updateRow(row, id);
        return;
    }
    KyFAlarm alarm;
    if (KyFAlarmListMgr::instance()->getFAlarm(id, alarm))
        insertTopRow(alarm);
}

void KyFAlarmInfoForm::slot_delMicClicked()
{
    const QList<int> ids = confirmedSelectedIds();
    KyFAlarmListMgr* mgr = KyFAlarmListMgr::instance();
    for (int id : ids) {
        KyFAlarm alarm;
        if (!mgr->getFAlarm(id, alarm))
            continue;
        if (!isOffline(alarm.state))
            BaseMessageDialog(KyTipsInfo::tips(), KyTipsInfo::terminalMustBeOffline(), 1).exec();
        else if (mgr->removeFAlarm(alarm) == 0)
            removeRowById(id);
    }
}

void KyFAlarmInfoForm::slot_editClicked()
{
    const int id = currentId();
    KyFAlarmListMgr* mgr = KyFAlarmListMgr::instance();
    KyFAlarm alarm;
    if (id == -1 || !mgr->getFAlarm(id, alarm))
        return;
    KyFAlarmSettingDialog dialog(&alarm);
    const int result = dialog.exec();
    if (result == 1 || dialog.channelSaved())
        mgr->init();
}
