#include "KyNetLosssHandle.h"

#include <QMetaObject>

KyNetLosssHandle* KyNetLosssHandle::instance()
{
    static KyNetLosssHandle* handle = new KyNetLosssHandle;
    return handle;
}

KyNetLosssHandle::KyNetLosssHandle(QObject* parent) : QObject(parent), m_raised(0) {}

void KyNetLosssHandle::raiseLoss()
{
    if (m_raised.testAndSetOrdered(0, 1))
        QMetaObject::invokeMethod(this, "deliverLoss", Qt::QueuedConnection);
}

void KyNetLosssHandle::rearm()
{
    m_raised.storeRelease(0);
}

void KyNetLosssHandle::deliverLoss()
{
    emit connectionLost();
}
