#include "KyTitleDClicked.h"

#include <QEvent>
#include <QWidget>
#include <utility>

KyTitleDClicked::KyTitleDClicked(QWidget* window, QWidget* title, std::function<void()> toggle)
    : QObject(window), m_title(title), m_toggle(std::move(toggle))
{
}

bool KyTitleDClicked::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_title)
        handleEvent(watched, event);
    return QObject::eventFilter(watched, event);
}

bool KyTitleDClicked::handleEvent(QObject*, QEvent* event)
{
    if (m_toggle && event->type() == QEvent::MouseButtonDblClick)
        m_toggle();
    return false;
}
