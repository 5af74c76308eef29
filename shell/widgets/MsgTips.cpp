#include "MsgTips.h"

#include <QDialog>
#include <QLabel>
#include <QTimerEvent>

namespace {
const char* kLabelStyle = "color: #000000; font-size: 14px; border: 0px; margin-top: 10px; margin-left: 10px;";
const char* kInitialStyle = "background-color: #f0f9eb; border: 1px solid #3b4b54; border-radius: 6px;";
const char* kSuccessStyle = "background-color: #f0f9eb; border: 1px solid #3b4b54; border-radius: 10px;";
const char* kWarningStyle = "background-color: #fdf6ec; border: 1px solid #3b4b54; border-radius: 10px;";
}

MsgTips::MsgTips(QWidget* page, const QRect& slot)
    : m_panel(new QDialog(page)), m_label(new QLabel(m_panel))
{
    m_panel->setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_panel->setWindowOpacity(1.0);
    m_panel->setGeometry(slot);
    m_panel->setStyleSheet(kInitialStyle);
    m_label->setStyleSheet(kLabelStyle);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setMinimumWidth(slot.width() - 20);
    m_label->setMinimumHeight(slot.height() - 20);
}

MsgTips::~MsgTips()
{
    stopTimer();
    delete m_panel;   // takes the label with it
}

void MsgTips::setTipText(const QString& key)
{
    m_key = key;
}

void MsgTips::setLabelText(const QString& text)
{
    m_label->setText(text);
}

void MsgTips::setMessage(const QString& text)
{
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = startTimer(m_interval, Qt::CoarseTimer);
    }
    m_label->setText(text);
}

void MsgTips::setTipStyle(int style)
{
    if (style == 1)
        m_panel->setStyleSheet(kSuccessStyle);
    else if (style == 2)
        m_panel->setStyleSheet(kWarningStyle);
}

void MsgTips::showFor(int ms)
{
    stopTimer();
    m_panel->show();
    m_showing = 1;
    if (ms >= 0) {
        m_interval = ms;
        m_timerId = startTimer(ms, Qt::CoarseTimer);
    }
}

void MsgTips::stopTimer()
{
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
}

void MsgTips::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId)
        return;
    stopTimer();
    m_panel->hide();
    m_showing = 0;
    m_key.clear();
    setTipStyle(1);
    emit updateMsgTipsGroup();
}
