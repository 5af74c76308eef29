#pragma once

#include <QObject>

class QWidget;

// Event filter on a title widget: dragging it (any button) moves the window.
class KyTitleMoveEvent : public QObject {
public:
    KyTitleMoveEvent(QWidget* window, QWidget* title);

    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual bool onTitleEvent(QObject* watched, QEvent* event);
    virtual bool canMove();

    bool isDragging() const { return m_dragging; }

private:
    QWidget* m_window;
    QWidget* m_title;
    int m_pressX = 0;
    int m_pressY = 0;
    int m_windowX = 0;
    int m_windowY = 0;
    bool m_dragging = false;
};
