#include "KyConsoleRun.h"

#include <QApplication>
#include <cstdio>

#include "InfoCenterMgr.h"
#include "KyCommandLine.h"
#include "KyLoginInfo.h"
#include "KyLossNotice.h"
#include "KyManageCenter.h"
#include "LoginDialog.h"

namespace {

bool loginFromCommandLine(KyManageCenter* center)
{
    const KyLoginInfo& info = KyLoginInfo::instance();
    if (info.ServerPort <= 0) {
        fprintf(stderr, "no server port: set Setting/ServerPort in config.ini\n");
        return false;
    }
    const int result = center->login(info.ServerIp, info.ServerPort, info.User, info.Passwd);
    if (result == 0)
        return true;
    fprintf(stderr, "login to %s:%d as %s failed (%d): %s\n", info.ServerIp.c_str(), info.ServerPort,
            info.User.c_str(), result, qPrintable(LoginDialog::resultText(result)));
    return false;
}

bool loginWithDialog(KyManageCenter* center)
{
    LoginDialog dialog(center, KyLoginInfo::instance());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

int kyRunConsole(const KyCommandLine& commandLine, KyManageCenter* center)
{
    if (!center) {
        fprintf(stderr, "no manage center\n");
        return 1;
    }
    const bool loggedIn = commandLine.autoLogin() ? loginFromCommandLine(center) : loginWithDialog(center);
    if (!loggedIn)
        return 1;
    installLossNotice();
    InfoCenterMgr window(commandLine.max);
    window.show();
    return QApplication::exec();
}
