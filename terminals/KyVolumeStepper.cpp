#include "KyVolumeStepper.h"

#include <QAbstractButton>
#include <QEvent>
#include <QSlider>
#include <QTimerEvent>

KyVolumeStepper::KyVolumeStepper(QSlider* slider, QAbstractButton* decButton, QAbstractButton* incButton,
                                 QObject* parent)
    : QObject(parent), m_slider(slider), m_current(slider->value())
{
    connect(slider, &QSlider::valueChanged, this, &KyVolumeStepper::slot_sliderChanged);
    connect(incButton, &QAbstractButton::released, this, &KyVolumeStepper::addVolumnReleased);
    connect(incButton, &QAbstractButton::pressed, this, &KyVolumeStepper::addVolumnPressed);
    connect(decButton, &QAbstractButton::released, this, &KyVolumeStepper::decVolumnReleased);
    connect(decButton, &QAbstractButton::pressed, this, &KyVolumeStepper::decVolumnPressed);
    slider->installEventFilter(this);
}

QString KyVolumeStepper::sliderStyleSheet()
{
    return QString("QSlider::groove:horizontal,QSlider::add-page:horizontal{height:%2px;border-radius:%3px;"
                   "background:%1;}")
               .arg("#FFFFFF")
               .arg(8)
               .arg(4) +
           QString("QSlider::sub-page:horizontal{height:%2px;border-radius:%3px;background:%1;}")
               .arg("#869FAB")
               .arg(8)
               .arg(4) +
           QString("QSlider::handle:horizontal{width:%2px;margin-top:-%3px;margin-bottom:-%3px;border-radius:%4px;"
                   "background:qradialgradient(spread:pad,cx:0.5,cy:0.5,radius:0.5,fx:0.5,fy:0.5,"
                   "stop:0.6 #FFFFFF,stop:0.8 %1);}")
               .arg("#869FAB")
               .arg(13)
               .arg(3)
               .arg(6);
}

void KyVolumeStepper::setupSlider(QSlider* slider)
{
    slider->setMaximum(100);
    slider->setStyleSheet(sliderStyleSheet());
    slider->setValue(75);
}

bool KyVolumeStepper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_slider && event->type() == QEvent::MouseButtonRelease)
        emit sendVolume(m_current);
    return QObject::eventFilter(watched, event);
}

void KyVolumeStepper::stepPressed(int step)
{
    stopTimer(m_sendTimer);
    stopTimer(m_repeatTimer);
    m_step = step;
    m_skipFirstTick = true;
    m_repeatTimer = startTimer(100, Qt::CoarseTimer);
}

void KyVolumeStepper::stepReleased()
{
    stopTimer(m_repeatTimer);
    m_slider->setValue(m_slider->value() + m_step);
    stopTimer(m_sendTimer);
    m_sendTimer = startTimer(500, Qt::CoarseTimer);
}

void KyVolumeStepper::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_sendTimer) {
        doChangeVol();
    } else if (event->timerId() == m_repeatTimer) {
        if (m_skipFirstTick)
            m_skipFirstTick = false;
        else
            m_slider->setValue(m_slider->value() + m_step);
    }
}

void KyVolumeStepper::doChangeVol()
{
    stopTimer(m_repeatTimer);
    stopTimer(m_sendTimer);
    emit sendVolume(m_slider->value());
}

void KyVolumeStepper::stopTimer(int& id)
{
    if (id != -1) {
        killTimer(id);
        id = -1;
    }
}
