#include <cstdio>

#include <QApplication>
#include <QTimer>

#include "KyAppMain.h"
#include "KyCommandLine.h"
#include "KyCreateViewCtrMgr.h"
#include "KyFacade.h"
#include "KyLoginInfo.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KyNetLosssHandle.h"
#include "KyUser.h"

namespace {

const char* loginFailureText(int result)
{
    switch (result) {
    case 1: return "the server refused the user name or password";
    case 3: return "the server did not answer in time";
    case 4: return "the server could not be reached";
    default: return "unknown error";
    }
}

// The login from the command line; 0 when logged in, else the exit code.
int loginFromCommandLine(KyManageCenter& center)
{
    const KyLoginInfo& info = KyLoginInfo::instance();
    if (info.ServerPort <= 0) {
        std::fprintf(stderr, "login: no ServerPort in section Setting of config.ini; set it and start again\n");
        return 2;
    }
    const int result = center.login(info.ServerIp, info.ServerPort, info.User, info.Passwd);
    if (result != 0) {
        std::fprintf(stderr, "login as %s to %s:%d failed: %s\n", info.User.c_str(), info.ServerIp.c_str(),
                     info.ServerPort, loginFailureText(result));
        return 1;
    }
    std::printf("logged in as %s (level %d) to %s:%d\n", info.User.c_str(), kyUserRecord().level,
                info.ServerIp.c_str(), info.ServerPort);
    std::fflush(stdout);
    return 0;
}

int run(QApplication& app, const KyCommandLine& commandLine)
{
    KyManageCenter center;
    KyCreateViewCtrMgr::instance();
    KyManageContext::create(&center);
    KyNetLosssHandle* loss = KyNetLosssHandle::instance();

    if (!commandLine.autoLogin()) {
        // LoginDialog goes here once the shell provides it.
        std::fprintf(stderr, "login: give -serverip, -user and -password (the login dialog is not built yet)\n");
        return 2;
    }
    if (const int failed = loginFromCommandLine(center))
        return failed;

    // Main window placeholder: InfoCenterMgr(commandLine.max) is created and
    // shown here once the shell provides it; until then the console only keeps
    // the connection, shows the server time once and reports its loss.
    QObject::connect(loss, &KyNetLosssHandle::connectionLost, &app, [&app] {
        std::fprintf(stderr, "连接超时，请重新登陆!\n");
        app.exit(1);
    });
    mcRequestSystemTime(&center);
    QTimer::singleShot(1000, &app, [&center] {
        std::printf("server time: %s\n", center.systemTime().c_str());
        std::fflush(stdout);
    });
    const int result = app.exec();
    center.logout();
    KyManageContext::destroy();
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    return appMain(argc, argv, run);
}
