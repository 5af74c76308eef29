#include "KyTestHost.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>

#include <cstdio>

QString kyOwnTestHost(quint16 port)
{
    const qint64 pid = QCoreApplication::applicationPid();
    const int x = 3 + int((pid >> 8) % 250);
    const int y = int(pid % 256);
    for (int z = 1; z < 255; ++z) {
        const QString host = QStringLiteral("127.%1.%2.%3").arg(x).arg(y).arg(z);
        QTcpServer probe;
        if (probe.listen(QHostAddress(host), port))
            return host;
    }
    std::fprintf(stderr, "no free loopback address for port %u\n", unsigned(port));
    return QStringLiteral("127.0.0.1");
}
