#include "KySetCapDialog.h"

#include "BaseMessageDialog.h"
#include "KyCap.h"
#include "KyKeptValue.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fSetCapForm.h"

namespace {
const int kNormalRate = 16000;
const int kMediumRate = 24000;
const int kHighRate = 32000;
const int kBroadcasting = 2;
}  // namespace

KySetCapDialog::KySetCapDialog() : ui(new Ui::fSetCapForm)
{
    ui->setupUi(this);
    setTitleBar(ui->iconLabel, ui->titleNameLabel, ui->dialogCloseBtn, KyTipsInfo::setName());

    connect(ui->fOkBtn, &QPushButton::clicked, this, &KySetCapDialog::accept);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &KySetCapDialog::reject);
    connect(ui->dialogCloseBtn, &QPushButton::clicked, this, &KySetCapDialog::reject);
    connect(ui->fCapVolSlider, &QSlider::valueChanged, ui->fCapVolSpinBox, &QSpinBox::setValue);
    connect(ui->fCapVolSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), ui->fCapVolSlider,
            &QSlider::setValue);
}

KySetCapDialog::~KySetCapDialog() = default;

void KySetCapDialog::setCap(KyCap* cap)
{
    m_cap = cap;
    if (!cap)
        return;
    ui->fNameEdit->setText(localToQString(cap->name));
    ui->fCapVolSlider->setValue(cap->capVol);
    ui->fCapVolSpinBox->setValue(cap->capVol);
    ui->fNormalQualityRBtn->setChecked(cap->capSamplerate == kNormalRate);
    ui->fMediumQualityRBtn->setChecked(cap->capSamplerate == kMediumRate);
    ui->fHighQualityRBtn->setChecked(cap->capSamplerate == kHighRate);
    m_rateFixed = cap->state == kBroadcasting;
    ui->fHighQualityRBtn->setDisabled(m_rateFixed);
    ui->fMediumQualityRBtn->setDisabled(m_rateFixed);
    ui->fNormalQualityRBtn->setDisabled(m_rateFixed);
    m_shownName = ui->fNameEdit->text();
    m_shownVolume = ui->fCapVolSpinBox->value();
    m_shownRate = chosenSamplerate();
}

void KySetCapDialog::accept()
{
    if (writeBack())
        QDialog::accept();
}

void KySetCapDialog::reject()
{
    QDialog::reject();
}

bool KySetCapDialog::writeBack()
{
    const QString text = ui->fNameEdit->text();
    if (text.isEmpty()) {
        BaseMessageDialog msg(KyTipsInfo::tips(), tr("The name cannot be empty！"), 1);
        msg.exec();
        return false;
    }
    if (!m_cap)
        return true;
    // Fields left as shown keep the stored value (a placeholder name, a
    // clamped volume, a rate none of the buttons shows).
    if (text != m_shownName) {
        m_cap->name = text.toLocal8Bit().toStdString();
        m_cap->namePlaceholder = false;
    }
    m_cap->capVol = kyKeptValue(m_cap->capVol, m_shownVolume, ui->fCapVolSpinBox->value());
    // While the terminal broadcasts its quality cannot change: the stored rate stays.
    if (!m_rateFixed)
        m_cap->capSamplerate = kyKeptValue(m_cap->capSamplerate, m_shownRate, chosenSamplerate());
    return true;
}

int KySetCapDialog::chosenSamplerate() const
{
    if (ui->fNormalQualityRBtn->isChecked())
        return kNormalRate;
    if (ui->fMediumQualityRBtn->isChecked())
        return kMediumRate;
    if (ui->fHighQualityRBtn->isChecked())
        return kHighRate;
    return 0;
}
