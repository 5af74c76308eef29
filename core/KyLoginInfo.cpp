#include "KyLoginInfo.h"

#include <QSettings>

#include "KyCommandLine.h"
#include "KySettings.h"

KyLoginInfo& KyLoginInfo::instance()
{
    static KyLoginInfo info;
    return info;
}

std::string KyLoginInfo::serverIp()
{
    return instance().ServerIp;
}

void KyLoginInfo::load()
{
    auto settings = kyOpenSettings();
    settings->beginGroup(QStringLiteral("Setting"));
    ServerIp = settings->value(QStringLiteral("ServerIp")).toString().toStdString();
    ServerPort = settings->value(QStringLiteral("ServerPort")).toInt();
    User = settings->value(QStringLiteral("User")).toString().toStdString();
    Passwd = settings->value(QStringLiteral("Passwd")).toString().toStdString();
}

void KyLoginInfo::save() const
{
    auto settings = kyOpenSettings();
    settings->beginGroup(QStringLiteral("Setting"));
    settings->setValue(QStringLiteral("ServerIp"), QString::fromStdString(ServerIp));
    settings->setValue(QStringLiteral("ServerPort"), ServerPort);
    settings->setValue(QStringLiteral("User"), QString::fromStdString(User));
}

void KyLoginInfo::applyCommandLine(const KyCommandLine& line)
{
    if (line.hasServerIp)
        ServerIp = line.serverIp;
    if (line.hasUser)
        User = line.user;
    if (line.hasPassword)
        Passwd = line.password;
}
