#include <QApplication>

#include "KyAppMain.h"
#include "KyCommandLine.h"
#include "KyConsoleRun.h"
#include "KyCreateViewCtrMgr.h"
#include "KyManageCenter.h"
#include "KyManageContext.h"
#include "KyNetLosssHandle.h"
#include "KyPageTable.h"

namespace {

int run(QApplication&, const KyCommandLine& commandLine)
{
    KyManageCenter center;
    KyCreateViewCtrMgr::instance();
    KyManageContext::create(&center);
    KyNetLosssHandle::instance();

    const int result = kyRunConsole(commandLine, &center, kyPageTable());
    center.logout();
    KyManageContext::destroy();
    return result;
}

}  // namespace

int main(int argc, char* argv[])
{
    return appMain(argc, argv, run);
}
