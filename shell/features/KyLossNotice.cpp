#include "KyLossNotice.h"

#include <QApplication>

#include "BaseMessageDialog.h"
#include "KyNetLosssHandle.h"
#include "KyTipsInfo.h"

QString lossNoticeText()
{
    return QStringLiteral("连接超时，请重新登陆!");
}

void showLossNotice()
{
    {
        BaseMessageDialog notice(KyTipsInfo::tips(), lossNoticeText(), 1);
        notice.exec();
    }
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void installLossNotice()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QObject::connect(KyNetLosssHandle::instance(), &KyNetLosssHandle::connectionLost, qApp, &showLossNotice,
                     Qt::UniqueConnection);
}
