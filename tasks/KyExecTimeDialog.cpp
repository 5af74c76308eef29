#include "KyExecTimeDialog.h"

#include "BaseMessageDialog.h"
#include "KyExecTime.h"
#include "KyExecTimeViewCtrl.h"
#include "KyTipsInfo.h"
#include "ui_fExectTimeDialog.h"

namespace {
const int kSecondsPerDay = 24 * 3600;
const int kLeadSeconds = 3 * 60;
}

KyExecTimeDialog::KyExecTimeDialog(const QTime& now)
    : ui(new Ui::fExectTimeDialog)
{
    ui->setupUi(this);
    setTitleBar(ui->iconLabel, ui->titleNameLabel, ui->fCloseBtn, ui->titleNameLabel->text());
    ui->fNameEdit->setMaxLength(32);
    ui->fExecTimeEdit->setTime(QTime(now.hour(), now.minute()).addSecs(kLeadSeconds));
    ui->fNameEdit->setFocus();

    connect(ui->fOkBtn, &QPushButton::clicked, this, &KyExecTimeDialog::accept);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &KyExecTimeDialog::reject);
    connect(ui->fCloseBtn, &QPushButton::clicked, this, &KyExecTimeDialog::reject);
}

KyExecTimeDialog::~KyExecTimeDialog() = default;

void KyExecTimeDialog::setExecTime(const KyExecTime& t)
{
    ui->fNameEdit->setText(QString::fromLocal8Bit(t.label));
    const int seconds = static_cast<int>(((t.seconds % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay);
    ui->fExecTimeEdit->setTime(QTime(0, 0).addSecs(seconds));
}

void KyExecTimeDialog::getExecTime(KyExecTime* t) const
{
    const QString name = ui->fNameEdit->text();
    if (!name.isEmpty())
        t->setLabel(name.toLocal8Bit().toStdString());
    const QTime time = ui->fExecTimeEdit->time();
    t->seconds = time.hour() * 3600 + time.minute() * 60 + time.second();
}

void KyExecTimeDialog::accept()
{
    KyExecTime probe;
    getExecTime(&probe);
    if (KyExecTimeViewCtrl::hasSeparator(probe.labelText())) {
        BaseMessageDialog msg(KyTipsInfo::tips(), KyTipsInfo::illegalName(), 1);
        msg.exec();
        return;
    }
    QDialog::accept();
}
