#pragma once

#include <QDialog>
#include <QTimer>

#include "KyDragMoveHelper.h"
#include "ShadowWidget.h"
#include "ui_messageDialog.h"

// Modal message: mode 1 "确认" only, 2 "取消" only, 4 no button and closes
// itself after 1500 ms, any other value both. exec() is 1 only for "确认".
class BaseMessageDialog : public ShadowWidget<QDialog> {
    Q_OBJECT
public:
    BaseMessageDialog(const QString& title, const QString& text, int mode);

    static constexpr int kAutoCloseMs = 1500;

    // The text as the text edit shows it: blanks and line breaks put in front.
    static QString layoutText(const QString& text);

    Ui::messageDialog& form() { return ui; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    KyDragMoveHelper m_mover;
    Ui::messageDialog ui;
    QString m_title;
    QString m_text;
    QTimer m_closeTimer;
};
