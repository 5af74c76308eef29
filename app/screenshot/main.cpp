// Screenshot program: logs in as the console does (-serverip, -user,
// -password), opens the main window, runs one named action of
// KyScreenshotActions (show a page, open a dialog) and saves a picture of the
// screen.  ky-screenshot -shot NAME -out FILE.png [console options]
//                       ky-screenshot -list
#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "InfoCenterMgr.h"
#include "KyAppMain.h"
#include "KyConsoleRun.h"
#include "KyCreateViewCtrMgr.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KyNetLosssHandle.h"
#include "KyPageTable.h"
#include "KyScreenshotActions.h"

namespace {

std::string g_name;
std::string g_out;
const int kActionDelayMs = 500;
const int kGrabDelayMs = 3500;

int run(QApplication& app, const KyCommandLine&)
{
    KyManageCenter center;
    KyCreateViewCtrMgr::instance();
    KyManageContext::create(&center);
    KyNetLosssHandle::instance();

    int result = kyLoginFromCommandLine(&center);
    if (result == 0) {
        result = 3;
        kyRunMainWindow(&center, 1, kyPageTable(), [&app, &result](InfoCenterMgr& window) {
            const KyScreenshotAction* action = kyScreenshotAction(g_name);
            QTimer::singleShot(kActionDelayMs, &window, [action, &window] { action->run(window); });
            QTimer::singleShot(kGrabDelayMs, &app, [&result] {
                const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
                result = shot.save(QString::fromStdString(g_out), "PNG") ? 0 : 3;
                if (result != 0)
                    fprintf(stderr, "screenshot: cannot save %s\n", g_out.c_str());
                QApplication::exit(result);  // leaves a dialog's exec() too
            });
        });
    }
    center.logout();
    KyManageContext::destroy();
    return result;
}

}  // namespace

int main(int argc, char* argv[])
{
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (!std::strcmp(argv[i], "-list")) {
            for (const KyScreenshotAction& a : kyScreenshotActions())
                printf("%s\n", a.name);
            return 0;
        }
        if (i + 1 < argc && !std::strcmp(argv[i], "-shot")) {
            g_name = argv[++i];
        } else if (i + 1 < argc && !std::strcmp(argv[i], "-out")) {
            g_out = argv[++i];
        } else {
            args.push_back(argv[i]);
        }
    }
    if (!kyScreenshotAction(g_name) || g_out.empty()) {
        fprintf(stderr, "usage: %s -shot NAME -out FILE.png [-serverip IP -user U -password P]\n"
                        "unknown or missing name \"%s\"; -list prints the names\n", argv[0], g_name.c_str());
        return 2;
    }
    args.push_back(nullptr);
    return appMain(int(args.size()) - 1, args.data(), run);
}
