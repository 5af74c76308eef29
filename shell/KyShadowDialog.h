#pragma once

#include <QDialog>

#include "KyDragMoveHelper.h"
#include "ShadowWidget.h"

// Frameless shadow dialog that the left mouse button drags.
class KyShadowDialog : public ShadowWidget<QDialog> {
public:
    explicit KyShadowDialog(QWidget* parent = nullptr) : ShadowWidget<QDialog>(parent), m_mover(this) {}

protected:
    void mousePressEvent(QMouseEvent* event) override { m_mover.mousePress(event); }
    void mouseMoveEvent(QMouseEvent* event) override { m_mover.mouseMove(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { m_mover.mouseRelease(event); }

private:
    KyDragMoveHelper m_mover;
};
