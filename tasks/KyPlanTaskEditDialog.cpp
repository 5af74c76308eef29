#include "KyPlanTaskEditDialog.h"

#include "BaseMessageDialog.h"
#include "KySsTask.h"
#include "KyTaskEditCommon.h"
#include "KyTipsInfo.h"
#include "ui_fTaskEditDialog.h"

KyPlanTaskEditDialog::KyPlanTaskEditDialog(KySsTask* task)
    : ShadowWidget<QDialog>(nullptr), m_mover(this), ui(new Ui::fTaskEditDialog)
{
    ui->setupUi(this);
    m_common.reset(new KyTaskEditCommon(KyTaskEditWidgets::of(*ui), task, this));
    ui->dialogCloseBtn->setFixedSize(23, 25);

    const QIcon icon(":/images/edit20x20.png");
    setWindowIcon(icon);
    ui->iconLabel->setPixmap(icon.pixmap(20, 20));

    ui->fNameEdit->setMaxLength(32);
    if (m_common->isNew()) {
        setWindowTitle(tr("New"));
        ui->titleNameLabel->setText(tr("New Sound Source Task"));
    } else {
        setWindowTitle(tr("Edit"));
        ui->titleNameLabel->setText(tr("Sound Source Task Edit"));
        ui->fNameEdit->setText(QString::fromUtf8(task->name.c_str()));
    }
    m_common->openVolume();
    m_common->openPlayMode();
    m_common->openContent({makeColumnKeyName(), tr("ID"), tr("IP")}, false);
    makeConnections();
}

KyPlanTaskEditDialog::~KyPlanTaskEditDialog() = default;

void KyPlanTaskEditDialog::makeConnections()
{
    connect(ui->fOkBtn, SIGNAL(clicked()), this, SLOT(slot_okClicked()));
    connect(ui->fCancelBtn, SIGNAL(clicked()), this, SLOT(reject()));
    connect(ui->dialogCloseBtn, SIGNAL(clicked()), this, SLOT(close()));
    connect(ui->fVolSlider, SIGNAL(valueChanged(int)), ui->fVolSpinBox, SLOT(setValue(int)));
    connect(ui->fVolSpinBox, SIGNAL(valueChanged(int)), ui->fVolSlider, SLOT(setValue(int)));
    connect(ui->fPlayTimeCheckBox, SIGNAL(stateChanged(int)), this, SLOT(slot_setPlayTimeStateChanged(int)));
    connect(ui->fPlayCountCheckBox, SIGNAL(stateChanged(int)), this, SLOT(slot_setPlayCountsStateChanged(int)));
    connect(ui->fTypeComboBox, SIGNAL(currentIndexChanged(int)), ui->fStackedWidget, SLOT(setCurrentIndex(int)));
    connect(ui->fCapTableWidget, SIGNAL(itemClicked(QTableWidgetItem*)), this,
            SLOT(slot_capTableItemClicked(QTableWidgetItem*)));
    connect(ui->fCapTableWidget, SIGNAL(cellChanged(int, int)), this, SLOT(slot_capTableCellChanged(int, int)));
    connect(ui->fFileTableWidget, SIGNAL(cellDoubleClicked(int, int)), this, SLOT(slot_addPlayFile(int, int)));
    connect(ui->fPlayTableWidget, SIGNAL(cellDoubleClicked(int, int)), this, SLOT(slot_delPlayFile(int, int)));
    connect(ui->fTtsContentTextEdit, SIGNAL(textChanged()), this, SLOT(slot_textChanged()));
}

void KyPlanTaskEditDialog::refuse(const QString& text)
{
    BaseMessageDialog msg(KyTipsInfo::tips(), text, 1);
    msg.exec();
}

void KyPlanTaskEditDialog::slot_okClicked()
{
    if (!m_common->readNameAndVolume()) {
        refuse(tr("The name cannot be empty!"));
        return;
    }
    switch (m_common->readPlayMode()) {
    case KyTaskEditCommon::NoPlayMode: refuse(tr("Play times or counts must be selected!")); return;
    case KyTaskEditCommon::ZeroDuration: refuse(tr("Play time con't be 0!")); return;
    case KyTaskEditCommon::ZeroCount: refuse(tr("Play counts con't be 0!")); return;
    case KyTaskEditCommon::PlayModeOk: break;
    }
    switch (m_common->readContent()) {
    case KyTaskEditCommon::NoPlayFile: refuse(tr("Please select play file!")); return;
    case KyTaskEditCommon::NoCapTerminal: refuse(tr("Please select terminal!")); return;
    case KyTaskEditCommon::NoTtsText: refuse(tr("Tts content can't be empty!")); return;
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

void KyPlanTaskEditDialog::mousePressEvent(QMouseEvent* event)
{
    m_mover.mousePress(event);
}

void KyPlanTaskEditDialog::mouseMoveEvent(QMouseEvent* event)
{
    m_mover.mouseMove(event);
}

void KyPlanTaskEditDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_mover.mouseRelease(event);
}
