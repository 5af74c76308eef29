#pragma once

#include <QString>
#include <functional>

class QWidget;

// Builds the pages of the screens above the shell by class name. The program
// registers the creators at start-up; the main window asks for pages by name.
class KyPageFactory {
public:
    using Creator = std::function<QWidget*(int arg)>;

    static void registerPage(const QString& className, Creator creator);
    static bool hasPage(const QString& className);
    // A page of that class built without a parent; an empty page named after
    // the class when no creator is registered.
    static QWidget* create(const QString& className, int arg = 0);
};
