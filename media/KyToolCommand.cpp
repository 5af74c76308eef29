#include "KyToolCommand.h"

#include <QProcess>

KyToolCommand KyToolCommand::encoder(const QString& source, const QString& target)
{
    return {QStringLiteral("lame"),
            {"-m", "m", "--cbr", "-b", "96", "--resample", "44.1", source, target}};
}

KyToolCommand KyToolCommand::stripTags(const QString& file)
{
    return {QStringLiteral("id3v2"), {"-D", file}};
}

KyToolCommand KyToolCommand::albumTag(const QString& file)
{
    return {QStringLiteral("id3v2"), {"-A", "RoZU Zuduvi", file}};
}

void KyToolCommand::start(QProcess& process) const
{
    process.start(program, arguments, QIODevice::ReadWrite);
}

QString KyToolCommand::text() const
{
    QStringList quoted{program};
    for (const QString& a : arguments)
        quoted << (a.contains(' ') || a.isEmpty() ? '"' + a + '"' : a);
    return quoted.join(' ');
}
