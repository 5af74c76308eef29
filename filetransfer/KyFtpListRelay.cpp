#include "KyFtpListRelay.h"

KyFtpListRelay::KyFtpListRelay(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<QList<KyMediaFile_t>>("QList<KyMediaFile_t>");
}
