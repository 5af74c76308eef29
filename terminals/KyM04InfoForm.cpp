#include "KyM04InfoForm.h"

#include <QTableWidget>

#include "KyM04ListMgr.h"
#include "KyM04SettingDialog.h"
#include "KyTipsInfo.h"
#include "KyVolumeStepper.h"
#include "ui_fM04TableForm.h"

namespace {
enum { COL_NAME, COL_CODE, COL_STATUS, COL_VOLUME, COL_IP, COL_MOVE, COL_COLOUR, COL_TEXT, COL_COUNT };

const char* colourSource(int code)
{
    switch (code) {
    case 28:
        return QT_TRANSLATE_NOOP("KyM04InfoForm", "Green");
    case 252:
        return QT_TRANSLATE_NOOP("KyM04InfoForm", "Yellow");
    default:
        return QT_TRANSLATE_NOOP("KyM04InfoForm", "Red");
    }
}

bool sameLed(const KyMic& a, const KyMic& b)
{
    return a.switchMode == b.switchMode && a.displayTime == b.displayTime && a.ledColor == b.ledColor
        && a.ledTxt == b.ledTxt;
}
}  // namespace

KyM04InfoForm::KyM04InfoForm(QWidget* parent) : KyTalkInfoForm(parent), ui(new Ui::fM04TableForm)
{
    ui->setupUi(this);
    KyVolumeStepper::setupSlider(ui->fVolumeSlider);
    ui->tableNameLable->setText(tr("Emergency Phone"));
    ui->tableNameLable->setStyleSheet(QStringLiteral("font: 9pt \"微软雅黑\";\ncolor:white"));
    ui->fConfigBtn->hide();
    ui->fEditBtn->setText(tr("Attribute"));
    QTableWidget* t = ui->fCommonTableWidget;
    t->setColumnCount(COL_COUNT);
    t->setHorizontalHeaderLabels({makeColumnKeyName(), makeColumnKeyCode(), makeColumnKeyStatus(),
                                  QStringLiteral("广播音量"), makeColumnKeyIp(), tr("Move Mode"), tr("Color"),
                                  tr("Text Content")});
    setupTable();

    KyM04ListMgr* mgr = KyM04ListMgr::instance();
    connect(mgr, &KyM04ListMgr::gotM04List, this, &KyM04InfoForm::slot_showM04List, Qt::QueuedConnection);
    connect(mgr, &KyM04ListMgr::m04Changed, this, &KyM04InfoForm::slot_updateM04Row, Qt::QueuedConnection);
    connect(mgr, &KyM04ListMgr::m04Deleted, this, &KyM04InfoForm::slot_delM04Row, Qt::QueuedConnection);
    connect(ui->fEditBtn, &QPushButton::clicked, this, &KyM04InfoForm::slot_edit_clicked);
    connect(ui->fDelBtn, &QPushButton::clicked, this, &KyM04InfoForm::slot_delete_clicked);
    connect(t, &QTableWidget::itemDoubleClicked, this, &KyM04InfoForm::slot_edit_clicked);
    connect(t, &QTableWidget::itemClicked, this, &KyM04InfoForm::widget_item_clicked);

    slot_showM04List();
    // Sends on a release of the slider and 500 ms after the step buttons.
    auto* stepper = new KyVolumeStepper(ui->fVolumeSlider, ui->fDecVolumnBtn, ui->fAddVolumnBtn, this);
    connect(stepper, &KyVolumeStepper::sendVolume, this, &KyM04InfoForm::applyToSelection);
}

KyM04InfoForm::~KyM04InfoForm() = default;

QTableWidget* KyM04InfoForm::table()
{
    return ui->fCommonTableWidget;
}

bool KyM04InfoForm::copyRecord(int id, KyMic& out) const
{
    return KyM04ListMgr::instance()->getM04(id, out);
}

int KyM04InfoForm::removeRecord(KyMic& mic)
{
    return KyM04ListMgr::instance()->removeM04(mic);
}

void KyM04InfoForm::writeRow(int row, const KyMic& mic)
{
    setCellText(QString::number(mic.id), row, COL_CODE, 0);
    writeChangingCells(row, mic);
}

void KyM04InfoForm::writeChangingCells(int row, const KyMic& mic)
{
    setCellItem(mic.name, row, COL_NAME, mic.id);
    setStateCell(row, COL_STATUS, mic.state);
    setCellText(QString::number(mic.vol[KyMic::VOL_BROADCAST]), row, COL_VOLUME, 0);
    setCellItem(mic.ip, row, COL_IP, 0);
    setCellText(pageText(KyM04SettingDialog::moveModeSource(mic.switchMode)), row, COL_MOVE, 0);
    setCellText(pageText(colourSource(mic.ledColor)), row, COL_COLOUR, 0);
    setCellItem(mic.ledTxt, row, COL_TEXT, 0);
}

void KyM04InfoForm::updateRow(int row, int id)
{
    KyMic mic;
    if (copyRecord(id, mic))
        writeChangingCells(row, mic);
}

void KyM04InfoForm::slot_showM04List()
{
    KyM04ListMgr* mgr = KyM04ListMgr::instance();
    if (const std::list<KyMic>* list = mgr->lockRecords()) {
        showRows(*list);
        mgr->unlockRecords();
    }
}

void KyM04InfoForm::slot_updateM04Row(int id)
{
    postRowChange(id);
}

void KyM04InfoForm::slot_delM04Row(int id)
{
    slot_delRowById(id);
}

void KyM04InfoForm::slot_edit_clicked()
{
    KyMic mic;
    if (!copyCurrent(mic))
        return;
    const KyMic before = mic;
    KyM04SettingDialog dialog(&mic);
    if (!dialog.exec())
        return;
    KyM04ListMgr* mgr = KyM04ListMgr::instance();
    if (mgr->saveM04(mic, KyM04ListMgr::SAVE_TALK) != 0) {
        showError(QT_TR_NOOP("Setting Error!"));
        return;
    }
    if (dialog.callConfigChecked()) {
        KyMicBtnCall call = dialog.buttonCall();
        if (mgr->saveButtonCalls(call) != 0) {
            showError(QT_TR_NOOP("Button Call Config Setting Error!"));
            return;
        }
    }
    if (!sameLed(mic, before) && mgr->saveM04(mic, KyM04ListMgr::SAVE_LED) != 0)
        showError(QT_TR_NOOP("Led Config Setting Error!"));
}

void KyM04InfoForm::slot_delete_clicked()
{
    deleteSelected();
}

void KyM04InfoForm::widget_item_clicked(QTableWidgetItem*)
{
    ui->fEditBtn->setEnabled(true);
    ui->fDelBtn->setEnabled(true);
    if (QTableWidgetItem* cell = table()->item(table()->currentRow(), COL_VOLUME))
        ui->fVolumeSlider->setValue(static_cast<int>(cell->text().toUInt()));
}

void KyM04InfoForm::applyVolume(int id, int v)
{
    KyMic mic;
    if (!copyRecord(id, mic))
        return;
    const int stored = mic.vol[KyMic::VOL_BROADCAST];
    mic.vol[KyMic::VOL_BROADCAST] = v;
    if (KyM04ListMgr::instance()->saveM04(mic, KyM04ListMgr::SAVE_AMP) != 0) {
        ui->fVolumeSlider->setValue(stored);
        showError(QT_TR_NOOP("Setting Error!"));
        return;
    }
    const int row = findRowById(id);
    if (row >= 0 && table()->item(row, COL_VOLUME))
        setCellText(QString::number(v), row, COL_VOLUME, v);
    ui->fVolumeSlider->setValue(v);
}

void KyM04InfoForm::applyToSelection(int v)
{
    // Ids first: an error message runs the event loop, which may redraw rows.
    QList<int> ids;
    for (QTableWidgetItem* item : table()->selectedItems()) {
        if (item->column() == COL_VOLUME)
            ids << cellInt(item->row(), COL_NAME);
    }
    for (int id : ids)
        applyVolume(id, v);
}
