#include "KyPlanTaskEditDialog.h"

#include "KySsTask.h"
#include "KyTaskEditCommon.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fTaskEditDialog.h"

KyPlanTaskEditDialog::KyPlanTaskEditDialog(KySsTask* task)
    : ui(new Ui::fTaskEditDialog)
{
    ui->setupUi(this);
    m_common.reset(new KyTaskEditCommon(KyTaskEditWidgets::of(*ui), task, this));
    ui->fNameEdit->setMaxLength(32);
    if (m_common->isNew()) {
        setTitleBar(ui->iconLabel, ui->titleNameLabel, ui->dialogCloseBtn, tr("New Sound Source Task"));
        setWindowTitle(tr("New"));
    } else {
        setTitleBar(ui->iconLabel, ui->titleNameLabel, ui->dialogCloseBtn, tr("Sound Source Task Edit"));
        setWindowTitle(tr("Edit"));
        ui->fNameEdit->setText(localToQString(task->name));
    }
    m_common->openVolume();
    m_common->openPlayMode();
    m_common->openContent({makeColumnKeyName(), tr("ID"), tr("IP")}, false);
    m_common->connectShared(this);
}

KyPlanTaskEditDialog::~KyPlanTaskEditDialog() = default;

void KyPlanTaskEditDialog::slot_okClicked()
{
    if (!m_common->readNameAndVolume()) {
        KyTaskEditCommon::refuse(tr("The name cannot be empty!"));
        return;
    }
    switch (m_common->readPlayMode()) {
    case KyTaskEditCommon::NoPlayMode: KyTaskEditCommon::refuse(tr("Play times or counts must be selected!")); return;
    case KyTaskEditCommon::ZeroDuration: KyTaskEditCommon::refuse(tr("Play time con't be 0!")); return;
    case KyTaskEditCommon::ZeroCount: KyTaskEditCommon::refuse(tr("Play counts con't be 0!")); return;
    case KyTaskEditCommon::PlayModeOk: break;
    }
    switch (m_common->readContent()) {
    case KyTaskEditCommon::NoPlayFile: KyTaskEditCommon::refuse(tr("Please select play file!")); return;
    case KyTaskEditCommon::NoCapTerminal: KyTaskEditCommon::refuse(tr("Please select terminal!")); return;
    case KyTaskEditCommon::NoTtsText: KyTaskEditCommon::refuse(tr("Tts content can't be empty!")); return;
    case KyTaskEditCommon::ContentOk: break;
    }
    accept();
}

void KyPlanTaskEditDialog::slot_setPlayTimeStateChanged(int)
{
    m_common->playTimeToggled();
}

void KyPlanTaskEditDialog::slot_setPlayCountsStateChanged(int)
{
    m_common->playCountToggled();
}

void KyPlanTaskEditDialog::slot_capTableItemClicked(QTableWidgetItem* item)
{
    m_common->capItemClicked(item);
}

void KyPlanTaskEditDialog::slot_capTableCellChanged(int row, int column)
{
    m_common->capCellChanged(row, column);
}

void KyPlanTaskEditDialog::slot_addPlayFile(int, int)
{
    m_common->addSelectedFiles();
}

void KyPlanTaskEditDialog::slot_delPlayFile(int row, int)
{
    m_common->removePlayRow(row);
}

void KyPlanTaskEditDialog::slot_textChanged()
{
    m_common->limitTtsText();
}
