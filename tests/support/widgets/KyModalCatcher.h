#pragma once

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTextEdit>
#include <QTimer>

// Watches for modal dialogs while a test drives a screen: a message dialog
// is recorded (title and text) and closed with its OK button, any other
// modal goes to the handler, which must close it.
class KyModalCatcher : public QObject {
public:
    using Handler = std::function<void(QDialog*)>;

    explicit KyModalCatcher(Handler handler = Handler()) : m_handler(std::move(handler))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(20);
    }

    void setHandler(Handler handler) { m_handler = std::move(handler); }

    QStringList titles;
    QStringList texts;
    int others = 0;

    void clear()
    {
        titles.clear();
        texts.clear();
        others = 0;
    }
    QString lastText() const { return texts.isEmpty() ? QString() : texts.last(); }

private:
    void poll()
    {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || !modal->isVisible() || modal == m_handled)
            return;
        if (modal->inherits("BaseMessageDialog")) {
            auto* title = modal->findChild<QLabel*>(QStringLiteral("messageTitle"));
            auto* text = modal->findChild<QTextEdit*>(QStringLiteral("infoTextEdit"));
            titles << (title ? title->text() : QString());
            texts << (text ? text->toPlainText().trimmed() : QString());
            modal->done(1);
            return;
        }
        ++others;
        m_handled = modal;   // handled once; the handler may close it later
        if (m_handler)
            m_handler(modal);
        else
            modal->reject();
    }

    Handler m_handler;
    QTimer m_timer;
    QPointer<QDialog> m_handled;
};
