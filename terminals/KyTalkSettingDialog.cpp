#include "KyTalkSettingDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "BaseMessageDialog.h"
#include "KyKeptValue.h"
#include "KyMic.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"

KyTalkSettingDialog::KyTalkSettingDialog(KyMic* mic) : KyShadowDialog(nullptr), m_mic(mic) {}

void KyTalkSettingDialog::initTalkPart(const KyTalkFormRefs& refs, const QString& title)
{
    m_refs = refs;
    setMouseTracking(true);
    const QString icon = QStringLiteral(":/images/edit20x20.png");
    refs.icon->setPixmap(QPixmap(icon));
    setWindowIcon(QIcon(icon));
    setWindowTitle(title);
    refs.title->setText(title);
    refs.closeBtn->setFixedSize(23, 25);
    refs.name->setText(localToQString(m_mic->name));
    for (int i = 0; i < 4; ++i) {
        refs.slider[i]->setRange(0, 100);
        refs.spin[i]->setRange(0, 100);
        refs.slider[i]->setValue(m_mic->vol[i]);
        refs.spin[i]->setValue(m_mic->vol[i]);
        connect(refs.slider[i], &QSlider::valueChanged, refs.spin[i], &QSpinBox::setValue);
        connect(refs.spin[i], QOverload<int>::of(&QSpinBox::valueChanged), refs.slider[i], &QSlider::setValue);
        m_shownVol[i] = refs.spin[i]->value();
    }
    m_shownName = refs.name->text().toLocal8Bit().toStdString();
    connect(refs.okBtn, &QPushButton::clicked, this, [this] { okClicked(); });
    connect(refs.cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(refs.closeBtn, &QPushButton::clicked, this, &QDialog::close);
}

bool KyTalkSettingDialog::storeTalkPart(const QString& emptyNameText)
{
    const QString name = m_refs.name->text();
    if (name.isEmpty()) {
        BaseMessageDialog msg(KyTipsInfo::tips(), emptyNameText, 1);
        msg.exec();
        return false;
    }
    m_mic->name = kyKeptValue(m_mic->name, m_shownName, name.toLocal8Bit().toStdString());
    for (int i = 0; i < 4; ++i)
        m_mic->vol[i] = kyKeptValue(m_mic->vol[i], m_shownVol[i], m_refs.spin[i]->value());
    return true;
}
