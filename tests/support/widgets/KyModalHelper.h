#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs action on the next modal dialog that shows up (polled from a timer),
// so a test can drive a dialog that a slot runs with exec().
inline void onNextModal(std::function<void(QWidget*)> action, QWidget* notThis = nullptr, int timeoutMs = 5000)
{
    auto* timer = new QTimer();
    auto* clock = new QElapsedTimer();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        if ((modal && modal != notThis && modal->isVisible()) || clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            if (modal && modal != notThis)
                action(modal);
        }
    });
    timer->start(20);
}
