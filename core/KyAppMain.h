#pragma once

#include <functional>

class QApplication;
class QString;
struct KyCommandLine;

// What start-up runs once the application stands: the login and the main
// window; its result is the process exit code.
using KyAppRun = std::function<int(QApplication& app, const KyCommandLine& commandLine)>;

// Start-up: copies the arguments, creates the application, reads the command
// line and the login fields, loads the port settings, installs the style
// sheet ":/files/talkback_center.css", Qt's own Chinese translation
// (kyQtTranslationFile) and the translation "./translate/zh.qm", each when
// present, sets the locale codec to UTF-8, then calls run.
int appMain(int argc, char* argv[], const KyAppRun& run);

// Qt's Chinese translation of its own dialogs: qtbase_zh_CN.qm in Qt's
// translations folder.
QString kyQtTranslationFile();
