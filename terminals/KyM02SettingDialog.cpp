#include "KyM02SettingDialog.h"

#include "KyM02ListMgr.h"
#include "KyMicGroupListMgr.h"
#include "ui_fMicSettingForm.h"

namespace {
const char* const kMiddleStart = "ButtonPopUp";
const char* const kMiddleStop = "ButtonLongPress";
const char* const kLeftStart = "AlarmShortPress";
const char* const kLeftStop = "AlarmLongPress";
const char* const kRightStart = "Alarm2ShortPress";
const char* const kRightStop = "Alarm2LongPress";
const char* const kAlarmStart = "BackupShortPress";
const char* const kAlarmStop = "BackupLongPress";

Ui::fMicSettingForm* builtForm(QDialog* dialog)
{
    auto* form = new Ui::fMicSettingForm;
    form->setupUi(dialog);
    return form;
}
}  // namespace

KyM02SettingDialog::KyM02SettingDialog(KyMic* mic)
    : KyTalkSettingDialog(mic),
      ui(builtForm(this)),
      m_left(ui->fRedLeftGroupCBox, ui->fRedLeftGroupCombo, ui->fRedLeftMicCb, ui->fRedLeftMicCombo),
      m_middle(ui->fBlueGroupCheckBox, ui->fBlueGroupComboBox, ui->fBlueMicCheckBox, ui->fBlueMicComboBox),
      m_right(ui->fRedRightGroupCBox, ui->fRedRightGroupCombo, ui->fRedRightMicCb, ui->fRedRightMicCombo)
{
    initForm();
    connectBoxes();
    loadCalls();
    ui->fCallConfigGroupBox->setChecked(false);
}

KyM02SettingDialog::~KyM02SettingDialog() = default;

bool KyM02SettingDialog::callConfigChecked() const
{
    return ui->fCallConfigGroupBox->isChecked();
}

void KyM02SettingDialog::initForm()
{
    initTalkPart(KyTalkFormRefs::of(*ui), tr("Mic Setting"));
    ui->fCallConfigGroupBox->setChecked(false);
    for (KyCallTarget* key : {&m_left, &m_middle, &m_right})
        key->setup(this, ui->fCallConfigGroupBox);
    ui->fOpenAlarmRadioButton->setChecked(false);
    ui->fCloseAlarmradioButton->setChecked(true);
}

void KyM02SettingDialog::connectBoxes()
{
    connect(ui->fRedLeftGroupCBox, &QCheckBox::stateChanged, this,
            &KyM02SettingDialog::slot_setRedLeftGroupStateChanged);
    connect(ui->fRedLeftMicCb, &QCheckBox::stateChanged, this, &KyM02SettingDialog::slot_setRedLeftMicStateChanged);
    connect(ui->fRedRightGroupCBox, &QCheckBox::stateChanged, this,
            &KyM02SettingDialog::slot_setRedRightGroupStateChanged);
    connect(ui->fRedRightMicCb, &QCheckBox::stateChanged, this,
            &KyM02SettingDialog::slot_setRedRightMicStateChanged);
    connect(ui->fBlueGroupCheckBox, &QCheckBox::stateChanged, this,
            &KyM02SettingDialog::slot_setBlueGroupStateChanged);
    connect(ui->fBlueMicCheckBox, &QCheckBox::stateChanged, this, &KyM02SettingDialog::slot_setBlueMicStateChanged);
}

void KyM02SettingDialog::loadCalls()
{
    KyM02ListMgr* mgr = KyM02ListMgr::instance();
    if (mgr->requestButtonCalls(*m_mic) != 0)
        return;
    const KyCallTarget::Microphones mics = KyCallTarget::microphones(true);
    const std::list<KyMicGroup> groups = KyMicGroupListMgr::instance()->groupList();
    for (KyCallTarget* key : {&m_left, &m_middle, &m_right})
        key->fill(mics, groups);
    for (const KyMicBtnCall& call : mgr->buttonCallList()) {
        if (call.startCall == kMiddleStart)
            m_middle.load(call);
        else if (call.startCall == kLeftStart)
            m_left.load(call);
        else if (call.startCall == kRightStart)
            m_right.load(call);
        else if (call.startCall == kAlarmStart)
            ui->fOpenAlarmRadioButton->setChecked(true);
    }
}

KyMicBtnCall KyM02SettingDialog::keyCall(const KyCallTarget& key, const char* start, const char* stop) const
{
    KyMicBtnCall call;
    call.terminalId = m_mic->id;
    call.startCall = start;
    call.stopCall = stop;
    key.store(call);
    return call;
}

void KyM02SettingDialog::slot_ok_clicked()
{
    if (!storeTalkPart(tr("The name cannot be empty!")))
        return;
    m_calls.clear();
    if (ui->fCallConfigGroupBox->isChecked()) {
        m_calls.push_back(keyCall(m_middle, kMiddleStart, kMiddleStop));
        m_calls.push_back(keyCall(m_left, kLeftStart, kLeftStop));
        m_calls.push_back(keyCall(m_right, kRightStart, kRightStop));
        KyMicBtnCall alarm;
        alarm.terminalId = m_mic->id;
        if (ui->fOpenAlarmRadioButton->isChecked()) {
            alarm.startCall = kAlarmStart;
            alarm.stopCall = kAlarmStop;
        }
        m_calls.push_back(alarm);
    }
    accept();
}

void KyM02SettingDialog::slot_setRedLeftGroupStateChanged(int) { m_left.syncCombos(); }
void KyM02SettingDialog::slot_setRedLeftMicStateChanged(int) { m_left.syncCombos(); }
void KyM02SettingDialog::slot_setRedRightGroupStateChanged(int) { m_right.syncCombos(); }
void KyM02SettingDialog::slot_setRedRightMicStateChanged(int) { m_right.syncCombos(); }
void KyM02SettingDialog::slot_setBlueGroupStateChanged(int) { m_middle.syncCombos(); }
void KyM02SettingDialog::slot_setBlueMicStateChanged(int) { m_middle.syncCombos(); }
