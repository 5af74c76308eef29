#include "KyM04SettingDialog.h"

#include <QButtonGroup>

#include "KyKeptValue.h"
#include "KyM04ListMgr.h"
#include "KyMicGroupListMgr.h"
#include "KyTextUtil.h"
#include "ui_fM04SettingForm.h"

namespace {
const char* const kMoveModes[] = {
    QT_TRANSLATE_NOOP("KyM04SettingDialog", "Left Move"),
    QT_TRANSLATE_NOOP("KyM04SettingDialog", "Right Move"),
    QT_TRANSLATE_NOOP("KyM04SettingDialog", "Up Move"),
    QT_TRANSLATE_NOOP("KyM04SettingDialog", "Down Move"),
};
const int kFirstMode = 2;
const int kLastMode = 5;

// Colour codes (RRRGGGBB) by button id.
enum { RED = 1, GREEN = 2, YELLOW = 3 };
const int kRedCode = 224;
const int kGreenCode = 28;
const int kYellowCode = 252;

Ui::fM04SettingForm* builtForm(QDialog* dialog)
{
    auto* form = new Ui::fM04SettingForm;
    form->setupUi(dialog);
    return form;
}
}  // namespace

const char* KyM04SettingDialog::moveModeSource(int mode)
{
    return kMoveModes[mode < kFirstMode || mode > kLastMode ? 0 : mode - kFirstMode];
}

KyM04SettingDialog::KyM04SettingDialog(KyMic* mic)
    : KyTalkSettingDialog(mic),
      ui(builtForm(this)),
      m_key(ui->fBlueGroupCheckBox, ui->fBlueGroupComboBox, ui->fBlueMicCheckBox, ui->fBlueMicComboBox)
{
    initForm();
    connect(ui->fBlueGroupCheckBox, &QCheckBox::stateChanged, this,
            &KyM04SettingDialog::slot_setBlueGroupStateChanged);
    connect(ui->fBlueMicCheckBox, &QCheckBox::stateChanged, this, &KyM04SettingDialog::slot_setBlueMicStateChanged);
    loadCall();
    ui->fCallConfigGroupBox->setChecked(false);
}

KyM04SettingDialog::~KyM04SettingDialog() = default;

bool KyM04SettingDialog::callConfigChecked() const
{
    return ui->fCallConfigGroupBox->isChecked();
}

void KyM04SettingDialog::initForm()
{
    initTalkPart(KyTalkFormRefs::of(*ui), tr("Mic Setting"));
    initLed();
    m_key.setup(this, ui->fCallConfigGroupBox);
}

void KyM04SettingDialog::initLed()
{
    ui->fDispTextLineEdit->setText(localToQString(m_mic->ledTxt));
    ui->fSwitchTimeSpinBox->setRange(1, 255);
    ui->fSwitchTimeSpinBox->setValue(m_mic->displayTime);
    for (int mode = kFirstMode; mode <= kLastMode; ++mode)
        ui->fMoveComboBox->addItem(tr(moveModeSource(mode)), mode);
    const int index = ui->fMoveComboBox->findData(m_mic->switchMode < kFirstMode ? kFirstMode : m_mic->switchMode);
    ui->fMoveComboBox->setCurrentIndex(index < 0 ? 0 : index);

    m_colours = new QButtonGroup(this);
    m_colours->setExclusive(true);
    m_colours->addButton(ui->fRedColorCheckBox, RED);
    m_colours->addButton(ui->fGreenColorCheckBox, GREEN);
    m_colours->addButton(ui->fYellowColorCheckBox, YELLOW);
    if (m_mic->ledColor == kGreenCode)
        ui->fGreenColorCheckBox->setChecked(true);
    else if (m_mic->ledColor == kRedCode)
        ui->fRedColorCheckBox->setChecked(true);
    else if (m_mic->ledColor == kYellowCode)
        ui->fYellowColorCheckBox->setChecked(true);
    m_shownLed = enteredLed();
}

KyM04SettingDialog::Led KyM04SettingDialog::enteredLed() const
{
    Led led;
    led.text = ui->fDispTextLineEdit->text().toLocal8Bit().toStdString();
    led.displayTime = ui->fSwitchTimeSpinBox->value();
    led.moveMode = ui->fMoveComboBox->currentData().toInt();
    led.colour = m_colours->checkedId();
    return led;
}

void KyM04SettingDialog::loadCall()
{
    KyM04ListMgr* mgr = KyM04ListMgr::instance();
    if (mgr->requestButtonCalls(*m_mic) != 0)
        return;
    m_key.fill(KyCallTarget::microphones(false), KyMicGroupListMgr::instance()->groupList());
    for (const KyMicBtnCall& call : mgr->buttonCallList()) {
        if (call.startCall == m_startCall)
            m_key.load(call);
    }
}

void KyM04SettingDialog::storeLed()
{
    // A field left as shown keeps its stored value (a move mode below 2 shows as 2).
    const Led led = enteredLed();
    m_mic->ledTxt = kyKeptValue(m_mic->ledTxt, m_shownLed.text, led.text);
    m_mic->displayTime = kyKeptValue(m_mic->displayTime, m_shownLed.displayTime, led.displayTime);
    m_mic->switchMode = kyKeptValue(m_mic->switchMode, m_shownLed.moveMode, led.moveMode);
    if (led.colour == m_shownLed.colour)
        return;
    switch (led.colour) {
    case RED:
        m_mic->ledColor = kRedCode;
        break;
    case GREEN:
        m_mic->ledColor = kGreenCode;
        break;
    case YELLOW:
        m_mic->ledColor = kYellowCode;
        break;
    default:
        break;  // none checked: the code stays
    }
}

void KyM04SettingDialog::slot_ok_clicked()
{
    if (!storeTalkPart(tr("The name cannot be empty!")))
        return;
    m_call = KyMicBtnCall();
    if (ui->fCallConfigGroupBox->isChecked()) {
        m_call.terminalId = m_mic->id;
        m_call.startCall = m_startCall;
        m_call.stopCall = m_stopCall;
        m_key.store(m_call);
    }
    storeLed();
    accept();
}

void KyM04SettingDialog::slot_setBlueGroupStateChanged(int) { m_key.syncCombos(); }
void KyM04SettingDialog::slot_setBlueMicStateChanged(int) { m_key.syncCombos(); }
