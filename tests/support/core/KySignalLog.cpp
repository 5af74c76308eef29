#include "KySignalLog.h"

#include <cstring>

KySignalLog::KySignalLog(QObject* sender, const char* signal)
{
    const bool withId = std::strstr(signal, "(int)") != nullptr;
    connect(sender, signal, this, withId ? SLOT(record(int)) : SLOT(recordNone()), Qt::QueuedConnection);
}
