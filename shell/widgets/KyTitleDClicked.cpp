#include "KyTitleDClicked.h"

#include <QEvent>

#include "InfoCenterMgr.h"

KyTitleDClicked::KyTitleDClicked(QWidget* window, QWidget* title)
    : QObject(window), m_window(window), m_title(title)
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
    auto* window = qobject_cast<InfoCenterMgr*>(m_window);
    if (window && event->type() == QEvent::MouseButtonDblClick) {
        if (window->isMaximised())
            window->normalWindow();
        else
            window->maxWindow();
    }
    return false;
}
