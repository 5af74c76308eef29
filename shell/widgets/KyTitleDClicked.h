#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Event filter on a window's title bar: a double-click runs the window's
// toggle (the main window maximises or restores).
class KyTitleDClicked : public QObject {
public:
    KyTitleDClicked(QWidget* window, QWidget* title, std::function<void()> toggle);

    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual bool handleEvent(QObject* watched, QEvent* event);

private:
    QWidget* m_title;
    std::function<void()> m_toggle;
};
