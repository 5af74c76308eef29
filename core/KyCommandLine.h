#pragma once

#include <string>

#include <QStringList>

// The console's command line: "-serverip", "-user", "-password" (all three:
// log in without the dialog) and "-max" (maximise the main window; default 1).
// Options may be given as "-name value" or "-name=value"; "--name" works too.
struct KyCommandLine {
    bool hasServerIp = false;
    bool hasUser = false;
    bool hasPassword = false;
    std::string serverIp;
    std::string user;
    std::string password;
    int max = 1;

    bool autoLogin() const { return hasServerIp && hasUser && hasPassword; }

    // args[0] is the program. Unknown options and a non-numeric "-max" are
    // reported on stderr and otherwise ignored.
    static KyCommandLine parse(const QStringList& args);
};
