#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

// The conversion folder, relative to the working directory.
extern const char* const g_tempMp3Folder;   // "./temp_mp3/"

// Empties the conversion folder (the uploads' own folders too) and creates it.
void prepareTempFolder();
// The upload's own conversion folder: the conversion folder and the job id.
QString tempFolderFor(int id);
// Where the upload with this id converts source to: its own folder and the
// source's file name, a lower-case ".wav" ending becoming ".mp3".
QString tempPathFor(const QString& source, int id);

// One run of the MP3 encoder. Reports once: ok only when the encoder started,
// exited normally with code 0 and left a non-empty file.
class KyTranscodeProcess : public QObject {
    Q_OBJECT
public:
    KyTranscodeProcess();
    ~KyTranscodeProcess() override;

    // False, doing nothing, when this object has run already.
    bool start(const char* source, const char* target);
    QString targetPath() const { return mTarget; }

    // Runs the tag tool twice on a converted file, each run bounded.
    static void tagFile(const QString& file);
    // Bounds of each tag-tool run: the wait, then the wait after a kill.
    static void setTagWaits(int waitMs, int killWaitMs);

signals:
    void transcode_finished(bool ret, QString fname);

public slots:
    void process_finished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void processError(QProcess::ProcessError error);
    void report(bool ok);

    QProcess* mProcess = nullptr;
    QString mTarget;
    bool mReported = false;
};
