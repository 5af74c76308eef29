#include "KyConsoleRun.h"

#include <QApplication>
#include <cstdio>

#include "InfoCenterMgr.h"
#include "KyCommandLine.h"
#include "KyLevelList.h"
#include "KyLoginInfo.h"
#include "KyLossNotice.h"
#include "KyManageCenter.h"
#include "KyUser.h"
#include "LoginDialog.h"
#include "TcpSocketClient.h"

int kyLoginFromCommandLine(KyManageCenter* center)
{
    const KyLoginInfo& info = KyLoginInfo::instance();
    if (info.ServerPort <= 0) {
        fprintf(stderr, "login: no ServerPort in section Setting of config.ini; set it and start again\n");
        return 2;
    }
    const int result = center->login(info.ServerIp, info.ServerPort, info.User, info.Passwd);
    if (result != 0) {
        fprintf(stderr, "login as %s to %s:%d failed (%d): %s\n", info.User.c_str(), info.ServerIp.c_str(),
                info.ServerPort, result, qPrintable(LoginDialog::resultText(result)));
        return 1;
    }
    printf("logged in as %s (level %d) to %s:%d\n", info.User.c_str(), currentUser() ? currentUser()->level : 0,
           info.ServerIp.c_str(), info.ServerPort);
    fflush(stdout);
    return 0;
}

namespace {

const int kFileServicePort = 8906;

void startFileWorker()
{
    TcpSocketClient* worker = TcpSocketClient::instance();
    worker->setServer(QString::fromStdString(KyLoginInfo::serverIp()), kFileServicePort);
    worker->start();
}

}  // namespace

int kyRunConsole(const KyCommandLine& commandLine, KyManageCenter* center, const std::vector<KyPageEntry>& pages)
{
    if (!center) {
        fprintf(stderr, "no manage center\n");
        return 1;
    }
    if (commandLine.autoLogin()) {
        if (const int failed = kyLoginFromCommandLine(center))
            return failed;
    } else {
        LoginDialog dialog(center, KyLoginInfo::instance());
        if (dialog.exec() != QDialog::Accepted)
            return 1;
    }
    return kyRunMainWindow(center, commandLine.max, pages);
}

int kyRunMainWindow(KyManageCenter* center, int maximize, const std::vector<KyPageEntry>& pages,
                    const std::function<void(InfoCenterMgr&)>& shown)
{
    KyLevelList::instance()->init(center);
    installLossNotice();
    startFileWorker();
    InfoCenterMgr window(maximize, pages);
    window.show();
    if (shown)
        shown(window);
    const int result = QApplication::exec();
    TcpSocketClient::instance()->stop();
    return result;   // the pages go with the window; the media page writes the transfer journal
}
