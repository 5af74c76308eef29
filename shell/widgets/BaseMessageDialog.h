#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>

#include "KyShadowDialog.h"

namespace Ui {
class messageDialog;
}

// Modal message: mode 1 "确认" only, 2 "取消" only, 4 no button and closes
// itself after 1500 ms, any other value both. exec() is 1 only for "确认".
class BaseMessageDialog : public KyShadowDialog {
    Q_OBJECT
public:
    BaseMessageDialog(const QString& title, const QString& text, int mode);
    ~BaseMessageDialog() override;

    static constexpr int kAutoCloseMs = 1500;

    // The text as the text edit shows it: blanks and line breaks put in front.
    static QString layoutText(const QString& text);

    // Replaces the text (shown as plain text, laid out as at construction).
    void setMessageText(const QString& text);

    Ui::messageDialog& form() { return *ui; }

private:
    std::unique_ptr<Ui::messageDialog> ui;
    QString m_title;
    QString m_text;
    QTimer m_closeTimer;
};
