#pragma once

#include <QList>
#include <QObject>

#include "KyMediaFile_t.h"

// Carries a listing finished on the worker thread to the thread this object
// lives in, as a copy in a queued signal.
class KyFtpListRelay : public QObject {
    Q_OBJECT
public:
    explicit KyFtpListRelay(QObject* parent = nullptr);

signals:
    void mediaListArrived(QList<KyMediaFile_t> list);
};
