#include "KyTranscodeProcess.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "KyToolCommand.h"

const char* const g_tempMp3Folder = "./temp_mp3/";

namespace {

int g_tagWaitMs = 10000;
int g_tagKillWaitMs = 1000;

void runBounded(const KyToolCommand& command)
{
    QProcess process;
    command.start(process);
    if (!process.waitForFinished(g_tagWaitMs) && process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(g_tagKillWaitMs);
    }
}

} // namespace

void prepareTempFolder()
{
    QDir dir(QString::fromLatin1(g_tempMp3Folder));
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            dir.remove(entry.fileName());
    }
    QDir().mkpath(QString::fromLatin1(g_tempMp3Folder));
}

QString tempFolderFor(int id)
{
    return QString::fromLatin1(g_tempMp3Folder) + QString::number(id);
}

QString tempPathFor(const QString& source, int id)
{
    QString path = tempFolderFor(id) + '/' + QFileInfo(source).fileName();
    if (path.endsWith(QLatin1String(".wav")))
        path.replace(path.size() - 4, 4, QStringLiteral(".mp3"));
    return path;
}

KyTranscodeProcess::KyTranscodeProcess()
{
    setObjectName(QStringLiteral("KyTranscodeProcess"));
}

KyTranscodeProcess::~KyTranscodeProcess()
{
    if (mProcess) {
        mProcess->disconnect(this);
        delete mProcess;
    }
}

bool KyTranscodeProcess::start(const char* source, const char* target)
{
    if (mProcess)
        return false;
    mProcess = new QProcess();
    mTarget = QString::fromUtf8(target);
    const KyToolCommand command = KyToolCommand::encoder(QString::fromUtf8(source), mTarget);
    printf("%s\n", command.text().toUtf8().constData());
    fflush(stdout);
    connect(mProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &KyTranscodeProcess::process_finished);
    connect(mProcess, &QProcess::errorOccurred, this, &KyTranscodeProcess::processError);
    command.start(*mProcess);
    return true;
}

void KyTranscodeProcess::process_finished(int exitCode, QProcess::ExitStatus exitStatus)
{
    report(exitStatus == QProcess::NormalExit && exitCode == 0 && QFileInfo(mTarget).size() > 0);
}

void KyTranscodeProcess::processError(QProcess::ProcessError error)
{
    // A crash also ends in finished(); a failed start ends only here.
    if (error == QProcess::FailedToStart)
        report(false);
}

void KyTranscodeProcess::report(bool ok)
{
    if (mReported)
        return;
    mReported = true;
    if (!ok)
        fprintf(stderr, "conversion to %s failed\n", qPrintable(mTarget));
    emit transcode_finished(ok, mTarget);
}

void KyTranscodeProcess::tagFile(const QString& file)
{
    runBounded(KyToolCommand::stripTags(file));
    runBounded(KyToolCommand::albumTag(file));
}

void KyTranscodeProcess::setTagWaits(int waitMs, int killWaitMs)
{
    g_tagWaitMs = waitMs;
    g_tagKillWaitMs = killWaitMs;
}
