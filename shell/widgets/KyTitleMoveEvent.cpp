#include "KyTitleMoveEvent.h"

#include <QMouseEvent>
#include <QWidget>

KyTitleMoveEvent::KyTitleMoveEvent(QWidget* window, QWidget* title)
    : QObject(window), m_window(window), m_title(title)
{
}

bool KyTitleMoveEvent::eventFilter(QObject* watched, QEvent* event)
{
    if (watched->isWidgetType() && watched == m_title && m_window) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (canMove()) {
                const QPoint cursor = static_cast<QMouseEvent*>(event)->globalPos();
                m_dragging = true;
                m_pressX = cursor.x();
                m_pressY = cursor.y();
                m_windowX = m_window->x();
                m_windowY = m_window->y();
            }
            break;
        case QEvent::MouseMove:
            if (m_dragging && canMove()) {
                const QPoint cursor = static_cast<QMouseEvent*>(event)->globalPos();
                m_window->move(m_windowX + cursor.x() - m_pressX, m_windowY + cursor.y() - m_pressY);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (canMove())
                m_dragging = false;
            break;
        default:
            break;
        }
        onTitleEvent(watched, event);
    }
    return QObject::eventFilter(watched, event);
}

bool KyTitleMoveEvent::onTitleEvent(QObject*, QEvent*)
{
    return false;
}

bool KyTitleMoveEvent::canMove()
{
    return true;
}
