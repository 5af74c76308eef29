#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "KyDragMoveHelper.h"
#include "ShadowWidget.h"

// Base of the frameless shadow dialogs: the left mouse button drags them.
class KyShadowDialog : public ShadowWidget<QDialog> {
public:
    explicit KyShadowDialog(QWidget* parent = nullptr) : ShadowWidget<QDialog>(parent), m_mover(this) {}

protected:
    // Window title and icon, and the form's title bar: the edit icon, the title, a 23 x 25 close button.
    void setTitleBar(QLabel* icon, QLabel* title, QPushButton* close, const QString& text)
    {
        setWindowTitle(text);
        setWindowIcon(QIcon(":/images/edit20x20.png"));
        icon->setPixmap(QPixmap(":/images/edit20x20.png"));
        title->setText(text);
        close->setFixedSize(23, 25);
    }

    void mousePressEvent(QMouseEvent* event) override { m_mover.mousePress(event); }
    void mouseMoveEvent(QMouseEvent* event) override { m_mover.mouseMove(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { m_mover.mouseRelease(event); }

private:
    KyDragMoveHelper m_mover;
};
