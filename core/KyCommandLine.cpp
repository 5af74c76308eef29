#include "KyCommandLine.h"

#include <cstdio>

#include <QCommandLineParser>

KyCommandLine KyCommandLine::parse(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption serverIp(QStringLiteral("serverip"), QString(), QStringLiteral("ip"));
    const QCommandLineOption user(QStringLiteral("user"), QString(), QStringLiteral("name"));
    const QCommandLineOption password(QStringLiteral("password"), QString(), QStringLiteral("password"));
    const QCommandLineOption max(QStringLiteral("max"), QString(), QStringLiteral("n"));
    parser.addOptions({serverIp, user, password, max});
    if (!parser.parse(args))
        fprintf(stderr, "command line: %s\n", qPrintable(parser.errorText()));

    KyCommandLine line;
    line.hasServerIp = parser.isSet(serverIp);
    line.hasUser = parser.isSet(user);
    line.hasPassword = parser.isSet(password);
    line.serverIp = parser.value(serverIp).toStdString();
    line.user = parser.value(user).toStdString();
    line.password = parser.value(password).toStdString();
    if (parser.isSet(max)) {
        bool ok = false;
        const int value = parser.value(max).toInt(&ok);
        if (ok)
            line.max = value;
        else
            fprintf(stderr, "command line: -max needs an integer, got \"%s\"\n", qPrintable(parser.value(max)));
    }
    return line;
}
