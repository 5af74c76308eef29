#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

// The conversion folder, relative to the working directory.
extern const char* const g_tempMp3Folder;   // "./temp_mp3/"

// Empties the conversion folder (the uploads' own folders too) and creates it.
void prepareTempFolder();
// The upload's own conversion folder: the conversion folder and the job id.
QString tempFolderFor(int id);
// Where the upload with this id converts source to: its own folder and the
// source's file name, a lower-case ".wav" ending becoming ".mp3".
QString tempPathFor(const QString& source, int id);

// One run of the MP3 encoder, then two runs of the tag tool on its file, all
// without blocking the calling thread. Reports once: ok only when the encoder
// started, exited normally with code 0 and left a non-empty file, and no tag
// run had to be killed (a killed run may leave the file half rewritten).
class KyTranscodeProcess : public QObject {
    Q_OBJECT
public:
    KyTranscodeProcess();
    ~KyTranscodeProcess() override;

    // False, doing nothing, when this object has run already.
    bool start(const char* source, const char* target);
    QString targetPath() const { return mTarget; }

    // Bounds of each tag-tool run: the wait, then the wait after a kill.
    static void setTagWaits(int waitMs, int killWaitMs);

signals:
    void transcode_finished(bool ret, QString fname);

public slots:
    void process_finished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void processError(QProcess::ProcessError error);
    void report(bool ok);
    // Starts tag run mTagStep, or reports when both are done.
    void runNextTag();
    void tagWaitPassed();
    void tagRunEnded();

    QProcess* mProcess = nullptr;
    QProcess* mTagProcess = nullptr;
    QTimer mTagTimer;
    int mTagStep = 0;
    bool mTagKilling = false;   // the running tag run was killed
    bool mTagKilled = false;    // some tag run was killed
    QString mTarget;
    bool mReported = false;
};
