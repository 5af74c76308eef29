#pragma once

#include <QObject>

class QWidget;

// Event filter on the main window's title bar: a double-click maximises or restores.
class KyTitleDClicked : public QObject {
public:
    KyTitleDClicked(QWidget* window, QWidget* title);

    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual bool handleEvent(QObject* watched, QEvent* event);

private:
    QWidget* m_window;
    QWidget* m_title;
};
