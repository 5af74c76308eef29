#include "KyM02InfoForm.h"

#include <QTableWidget>

#include "KyM02ListMgr.h"
#include "KyM02SettingDialog.h"
#include "KyTipsInfo.h"
#include "ui_fCommonTableForm.h"

namespace {
enum { COL_NAME, COL_CODE, COL_AEC, COL_PPT, COL_STATUS, COL_IP, COL_COUNT };

const char* flagSource(int flag)
{
    return flag > 0 ? QT_TRANSLATE_NOOP("KyM02InfoForm", "Yes") : QT_TRANSLATE_NOOP("KyM02InfoForm", "No");
}
}  // namespace

KyM02InfoForm::KyM02InfoForm(QWidget* parent) : KyTalkInfoForm(parent), ui(new Ui::fCommonTableForm)
{
    ui->setupUi(this);
    ui->fNewBtn->hide();
    ui->fConfigBtn->hide();
    ui->tableNameLable->setText(tr("Call Mic"));
    ui->tableNameLable->setStyleSheet(QStringLiteral("font: 9pt \"微软雅黑\";\ncolor:white"));
    ui->fConfigBtn->setText(tr("Call Config"));
    ui->fEditBtn->setText(tr("Attribute"));
    QTableWidget* t = ui->fCommonTableWidget;
    t->setColumnCount(COL_COUNT);
    t->setHorizontalHeaderLabels({makeColumnKeyName(), makeColumnKeyCode(), makeColumnKeyIsAec(),
                                  makeColumnKeyIsPpt(), makeColumnKeyStatus(), makeColumnKeyIp()});
    setupTable();

    KyM02ListMgr* mgr = KyM02ListMgr::instance();
    connect(mgr, &KyM02ListMgr::gotM02List, this, &KyM02InfoForm::slot_showM02List, Qt::QueuedConnection);
    connect(mgr, &KyM02ListMgr::m02Changed, this, &KyM02InfoForm::slot_updateM02Row, Qt::QueuedConnection);
    connect(mgr, &KyM02ListMgr::m02Deleted, this, &KyM02InfoForm::slot_delM02Row, Qt::QueuedConnection);
    connect(ui->fEditBtn, &QPushButton::clicked, this, &KyM02InfoForm::slot_edit_clicked);
    connect(ui->fDelBtn, &QPushButton::clicked, this, &KyM02InfoForm::slot_delete_clicked);
    connect(t, &QTableWidget::itemDoubleClicked, this, &KyM02InfoForm::slot_edit_clicked);
    connect(t, &QTableWidget::itemClicked, this, &KyM02InfoForm::widget_item_clicked);

    slot_showM02List();
}

KyM02InfoForm::~KyM02InfoForm() = default;

QTableWidget* KyM02InfoForm::table()
{
    return ui->fCommonTableWidget;
}

bool KyM02InfoForm::copyRecord(int id, KyMic& out) const
{
    return KyM02ListMgr::instance()->getM02(id, out);
}

int KyM02InfoForm::removeRecord(KyMic& mic)
{
    return KyM02ListMgr::instance()->removeM02(mic);
}

void KyM02InfoForm::writeRow(int row, const KyMic& mic)
{
    setCellItem(mic.name, row, COL_NAME, mic.id);
    setCellText(QString::number(mic.id), row, COL_CODE, 0);
    // Each flag under the header that names it.
    setCellText(pageText(flagSource(mic.aec)), row, COL_AEC, 0);
    setCellText(pageText(flagSource(mic.ppt)), row, COL_PPT, 0);
    setStateCell(row, COL_STATUS, mic.state);
    setCellItem(mic.ip, row, COL_IP, 0);
}

void KyM02InfoForm::updateRow(int row, int id)
{
    KyMic mic;
    if (!copyRecord(id, mic))
        return;
    setCellItem(mic.name, row, COL_NAME, mic.id);
    setStateCell(row, COL_STATUS, mic.state);
    setCellItem(mic.ip, row, COL_IP, 0);
}

void KyM02InfoForm::slot_showM02List()
{
    KyM02ListMgr* mgr = KyM02ListMgr::instance();
    if (const std::list<KyMic>* list = mgr->lockRecords()) {
        showRows(*list);
        mgr->unlockRecords();
    }
}

void KyM02InfoForm::slot_updateM02Row(int id)
{
    postRowChange(id);
}

void KyM02InfoForm::slot_delM02Row(int id)
{
    slot_delRowById(id);
}

void KyM02InfoForm::slot_edit_clicked()
{
    KyMic mic;
    if (!copyCurrent(mic))
        return;
    KyM02SettingDialog dialog(&mic);
    if (!dialog.exec())
        return;
    KyM02ListMgr* mgr = KyM02ListMgr::instance();
    if (mgr->saveM02(mic) != 0) {
        showError(QT_TR_NOOP("Setting Error!"));
        return;
    }
    if (dialog.callConfigChecked() && mgr->saveButtonCalls(dialog.buttonCalls()) != 0)
        showError(QT_TR_NOOP("Button Call Config Setting Error!"));
}

void KyM02InfoForm::slot_delete_clicked()
{
    deleteSelected();
}

void KyM02InfoForm::widget_item_clicked(QTableWidgetItem*)
{
    ui->fEditBtn->setEnabled(true);
    ui->fDelBtn->setEnabled(true);
}
