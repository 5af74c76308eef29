#include "KyTranscodeProcess.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "KyToolCommand.h"

const char* const g_tempMp3Folder = "./temp_mp3/";

namespace {

int g_tagWaitMs = 10000;
int g_tagKillWaitMs = 1000;
constexpr int kTagRuns = 2;

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
    mTagTimer.setSingleShot(true);
    connect(&mTagTimer, &QTimer::timeout, this, &KyTranscodeProcess::tagWaitPassed);
}

KyTranscodeProcess::~KyTranscodeProcess()
{
    for (QProcess* p : {mProcess, mTagProcess}) {
        if (p) {
            p->disconnect(this);
            delete p;
        }
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
    if (exitStatus == QProcess::NormalExit && exitCode == 0 && QFileInfo(mTarget).size() > 0)
        runNextTag();
    else
        report(false);
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

// Each tag run: up to g_tagWaitMs, then killed and up to g_tagKillWaitMs more;
// its result is not examined. Driven by the process's signals and a timer.
void KyTranscodeProcess::runNextTag()
{
    if (mTagStep == kTagRuns) {
        if (mTagKilled)
            fprintf(stderr, "tag tool on %s did not finish and was killed\n", qPrintable(mTarget));
        report(!mTagKilled);
        return;
    }
    const KyToolCommand command = mTagStep == 0 ? KyToolCommand::stripTags(mTarget) : KyToolCommand::albumTag(mTarget);
    mTagProcess = new QProcess();
    mTagKilling = false;
    connect(mTagProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &KyTranscodeProcess::tagRunEnded);
    connect(mTagProcess, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            tagRunEnded();
    });
    mTagTimer.start(g_tagWaitMs);
    command.start(*mTagProcess);
}

void KyTranscodeProcess::tagWaitPassed()
{
    if (mTagKilling) {
        tagRunEnded();   // not gone after the kill either: go on
        return;
    }
    mTagKilling = mTagKilled = true;
    mTagTimer.start(g_tagKillWaitMs);
    mTagProcess->kill();
}

void KyTranscodeProcess::tagRunEnded()
{
    mTagTimer.stop();
    mTagProcess->disconnect(this);
    mTagProcess->deleteLater();
    mTagProcess = nullptr;
    ++mTagStep;
    runNextTag();
}

void KyTranscodeProcess::setTagWaits(int waitMs, int killWaitMs)
{
    g_tagWaitMs = waitMs;
    g_tagKillWaitMs = killWaitMs;
}
