#include "KyDragMoveHelper.h"

#include <QMouseEvent>
#include <QWidget>

KyDragMoveHelper::KyDragMoveHelper(QWidget* window) : m_window(window) {}

void KyDragMoveHelper::mousePress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressX = event->pos().x();
    m_pressY = event->pos().y();
}

void KyDragMoveHelper::mouseMove(QMouseEvent* event)
{
    if (!m_dragging || !m_window)
        return;
    m_window->move(event->globalPos() - QPoint(m_pressX, m_pressY));
}

void KyDragMoveHelper::mouseRelease(QMouseEvent*)
{
    m_dragging = false;
}
