#pragma once

#include <memory>
#include <string>

#include <QDate>
#include <QString>
#include <QWidget>

class KyServerConfigMgr;
class QLabel;
namespace Ui {
class settingSystemSetForm;
}

// System parameters: record and log servers (hidden), administrator
// password, silence-detection time-out, system name (the window title), and
// backup and restore of the server's data (hidden).
class KySystemSettingForm : public QWidget {
    Q_OBJECT
public:
    explicit KySystemSettingForm(QWidget* parent = nullptr);
    ~KySystemSettingForm() override;

    enum { kMinVadTimeOut = 300, kMaxRestoreNameBytes = 128 };
    static constexpr qint64 kMaxRestoreBytes = 1073741824;

    // A whole decimal number of at least 300 seconds, nothing else.
    static bool isValidVadTimeOut(const QString& text);
    // "KYO_" + yyyy-MM-dd + ".backup"
    static QString backupFileName(const QDate& date);
    // The message that refuses a restore file, empty when it may be sent.
    static QString restoreRefusal(const QString& path);
    // Lower-case hexadecimal MD5 of a file read in pieces; that of no data
    // when the file cannot be read.
    static std::string fileMd5(const QString& path);

    QString titleName;   // the current system name
    std::string backupLocalPath;
    std::string restoreMd5;
    std::string restoreFileName;
    // Where the transfers would run on the file service.
    std::string backupSourcePath;
    std::string restoreTargetPath;

signals:
    void sendTitleString(QString title);

public slots:
    void slot_gotServerConfig();
    void slot_setRecordServerBtnClick();
    void slot_setLogServerBtnClick();
    void slot_setPasswordBtnClick();
    void slot_setVadPttBtnClick();
    void slot_saveTitleClicked();
    void slot_backupDownloadDirClicked();
    void slot_backupDownloadStartClicked();
    void slot_gotBackupMd5();
    void slot_downlaodFinish();
    void slot_uploadRestoreDirClicked();
    void slot_uploadRestoreStartClicked();
    void slot_uplaodFinish();

private:
    void connectSlots();
    // "[已设置]" on 0, a failure message otherwise; true on 0.
    bool acceptResult(int result, QLabel* note);
    void announceTitle(const QString& title);

    std::unique_ptr<Ui::settingSystemSetForm> ui;
    KyServerConfigMgr* m_config;
};
