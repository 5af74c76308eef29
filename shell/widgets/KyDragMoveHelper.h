#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

// Moves a frameless window while the left mouse button drags it. The owning
// window hands its press, move and release events here.
class KyDragMoveHelper {
public:
    explicit KyDragMoveHelper(QWidget* window);

    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);

    bool isDragging() const { return m_dragging; }

private:
    int m_pressX = 0;
    int m_pressY = 0;
    bool m_dragging = false;
    QWidget* m_window;
};
