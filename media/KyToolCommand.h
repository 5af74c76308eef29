#pragma once

#include <QString>
#include <QStringList>

class QProcess;

// An external program run without a shell: a program found on PATH and its
// arguments, each file name one argument whatever characters it holds.
struct KyToolCommand {
    QString program;
    QStringList arguments;

    // Mono, constant 96 kbit/s MP3 resampled to 44.1 kHz.
    static KyToolCommand encoder(const QString& source, const QString& target);
    // Removes every tag of the file.
    static KyToolCommand stripTags(const QString& file);
    // Sets the album tag of the file.
    static KyToolCommand albumTag(const QString& file);

    void start(QProcess& process) const;
    // The command as a line for the log.
    QString text() const;
};
