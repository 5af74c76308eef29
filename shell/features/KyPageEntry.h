#pragma once

class QMetaObject;
class QPushButton;
class QWidget;
namespace Ui {
class InfoCenterMgrClass;
}

// A page button of the main window's form.
using KyPageButton = QPushButton* Ui::InfoCenterMgrClass::*;

// One page of the main window, described once: the window builds the page,
// gives its button the icon, shows or hides the button, connects it and
// shows the first page of a navigation row from this alone.
struct KyPageEntry {
    int id = -1;                                  // InfoCenterMgr::Page
    const QMetaObject* type = nullptr;            // class of the page
    QWidget* (*create)(QWidget* central) = nullptr;   // builds it; central: the window's central widget
    KyPageButton button = nullptr;                // its page button
    int row = 0;                                  // navigation row whose panel holds the button
    const char* icon = nullptr;                   // icon of the button
    bool eager = false;                           // built with the window, else on first show
    bool shown = true;                            // the button shows
};
