// Backup and restore on the settings page: file name, restore checks (name
// length in bytes, forbidden characters, size), MD5, requests and messages.

#include <memory>

#include <QCryptographicHash>
#include <QPushButton>
#include <QtTest>

#include "KyModalCatcher.h"
#include "KyServerConfigMgr.h"
#include "KySettings.h"
#include "KySettingsTestSupport.h"
#include "KySystemSettingForm.h"
#include "KyTestSession.h"

namespace {
QString md5Hex(const QByteArray& data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}
}  // namespace

class TestSettingsPageBackup : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    std::unique_ptr<KyTestSession> session;
    std::unique_ptr<KySystemSettingForm> page;

    QPushButton* btn(const char* name) { return page->findChild<QPushButton*>(QString::fromLatin1(name)); }

private slots:
    void initTestCase()
    {
        kySetConfigPath(dir.filePath("config.ini"));
        session.reset(new KyTestSession);
        QVERIFY(session->loggedIn());
        page.reset(new KySystemSettingForm);
    }

    void namesAndChecks()
    {
        QCOMPARE(KySystemSettingForm::backupFileName(QDate(2024, 3, 5)), QStringLiteral("KYO_2024-03-05.backup"));
        QCOMPARE(KySystemSettingForm::backupFileName(QDate(987, 11, 22)), QStringLiteral("KYO_0987-11-22.backup"));

        // 40 three-byte characters and "a.backup": 128 bytes pass, 129 do not.
        const QString wide = QString(40, QChar(0x5907));
        const QString ok = dir.filePath(wide + "a.backup");
        const QString tooLong = dir.filePath(wide + "ab.backup");
        QVERIFY(writeFile(ok, "x") && writeFile(tooLong, "x"));
        QCOMPARE(QFileInfo(ok).fileName().toLocal8Bit().size(), 128);
        QCOMPARE(KySystemSettingForm::restoreRefusal(ok), QString());
        QCOMPARE(KySystemSettingForm::restoreRefusal(tooLong), QStringLiteral("文件名称超长！"));

        for (const char* c : {"&", "'", "\\", ":", "*", "?", "\"", "<", ">", "|"}) {
            const QString path = dir.filePath(QStringLiteral("a%1b.backup").arg(QLatin1String(c)));
            QVERIFY(writeFile(path, "x"));
            QCOMPARE(KySystemSettingForm::restoreRefusal(path), QStringLiteral("文件名包含非法字符！"));
        }

        // 1 GiB passes, one byte more does not (sparse files).
        const QString big = dir.filePath("big.backup");
        QFile f(big);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(KySystemSettingForm::kMaxRestoreBytes));
        f.close();
        QCOMPARE(KySystemSettingForm::restoreRefusal(big), QString());
        QVERIFY(QFile(big).resize(KySystemSettingForm::kMaxRestoreBytes + 1));
        QCOMPARE(KySystemSettingForm::restoreRefusal(big), big + "\n文件大于1024MB，禁止上传！");
        QFile::remove(big);

        // MD5 in lower-case hexadecimal, read in pieces; a missing file hashes as no data.
        QByteArray data(3 * 1024 * 1024 + 17, '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>(i * 7);
        QVERIFY(writeFile(dir.filePath("data.backup"), data));
        QCOMPARE(QString::fromStdString(KySystemSettingForm::fileMd5(dir.filePath("data.backup"))), md5Hex(data));
        QCOMPARE(KySystemSettingForm::fileMd5(dir.filePath("missing")), std::string("d41d8cd98f00b204e9800998ecf8427e"));
    }

    void restore()
    {
        KyModalCatcher catcher;
        // A refused file: message, nothing hashed, the button stays usable.
        const QString bad = dir.filePath("a&b.backup");
        edit(page.get(), "fRestoreLe")->setText(bad);
        btn("fRestoreStartBtn")->setEnabled(true);
        QTest::mouseClick(btn("fRestoreStartBtn"), Qt::LeftButton);
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("文件名包含非法字符！")});
        QVERIFY(page->restoreMd5.empty());
        QVERIFY(btn("fRestoreStartBtn")->isEnabled());

        // An accepted file is hashed and named for the server's folder.
        catcher.clear();
        edit(page.get(), "fRestoreLe")->setText(dir.filePath("data.backup"));
        QTest::mouseClick(btn("fRestoreStartBtn"), Qt::LeftButton);
        QCOMPARE(catcher.texts.size(), 0);
        QCOMPARE(page->restoreFileName, std::string("data.backup"));
        QCOMPARE(page->restoreTargetPath, std::string("/tmp/datarecovery/data.backup"));
        QCOMPARE(page->restoreMd5, KySystemSettingForm::fileMd5(dir.filePath("data.backup")));

        // The server knows no backup of that name: the failure is reported.
        emit KyServerConfigMgr::instance()->uploadFinish();
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("数据恢复失败！")});
        QVERIFY(btn("fRestoreStartBtn")->isEnabled());
        Json::Value body = lastBody(session->server(), "DataRecovery");
        QCOMPARE(body["RecoveryFile"].asString(), std::string("data.backup"));
        QCOMPARE(body["Md5"].asString(), page->restoreMd5);

        // A backup the server made, with its MD5 in upper case: restored.
        const std::string name = KySystemSettingForm::backupFileName(QDate::currentDate()).toStdString();
        QCOMPARE(KyServerConfigMgr::instance()->sendRequest(181, name), 0);
        QTRY_COMPARE(KyServerConfigMgr::instance()->backupFile(), name);
        page->restoreFileName = name;
        page->restoreMd5 = QString::fromStdString(KyServerConfigMgr::instance()->backupMd5()).toUpper().toStdString();
        catcher.clear();
        emit KyServerConfigMgr::instance()->uploadFinish();
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("数据恢复完成！")});
        QVERIFY(!btn("fRestoreStartBtn")->isEnabled());
    }

    void backup()
    {
        KyModalCatcher catcher;
        const QString folder = dir.filePath("backups");
        QVERIFY(QDir().mkpath(folder));
        edit(page.get(), "fBackupLe")->setText(folder);
        btn("fBackupStartBtn")->setEnabled(true);

        // The server's reply names the file and gives its MD5 in upper case.
        const QString name = KySystemSettingForm::backupFileName(QDate::currentDate());
        const QByteArray content = "backup data 备份";
        const std::string reply = "{\"BackupFile\":\"" + name.toStdString() + "\",\"Md5\":\"" +
                                  md5Hex(content).toUpper().toStdString() + "\"}";
        session->server().setStatus("DataBackup", 200, 1, reply);
        QTest::mouseClick(btn("fBackupStartBtn"), Qt::LeftButton);
        QVERIFY(!btn("fBackupStartBtn")->isEnabled());
        QCOMPARE(lastBody(session->server(), "DataBackup")["BackupFile"].asString(), name.toStdString());
        const QString local = QCoreApplication::applicationDirPath() + "/" + name;
        QTRY_COMPARE(QString::fromStdString(page->backupLocalPath), local);
        QCOMPARE(page->backupSourcePath, "/tmp/databackup/" + name.toStdString());

        // Fetched file matches: copied into the folder.
        QVERIFY(writeFile(local, content));
        emit KyServerConfigMgr::instance()->downloadFinish();
        QCOMPARE(catcher.titles, QStringList{QStringLiteral("备份提示")});
        QCOMPARE(catcher.texts, QStringList{name + "下载完成！"});
        QFile copied(folder + "/" + name);
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), content);
        copied.close();

        // The same name again: the existing file is kept and that is said.
        QVERIFY(writeFile(folder + "/" + name, "older"));
        catcher.clear();
        emit KyServerConfigMgr::instance()->downloadFinish();
        QCOMPARE(catcher.texts, QStringList{folder + "/" + name + " 已存在，未覆盖！"});
        QFile kept(folder + "/" + name);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("older"));

        // A copy that cannot be made is reported.
        QFile::remove(folder + "/" + name);
        edit(page.get(), "fBackupLe")->setText(folder + "/no/such/folder");
        catcher.clear();
        emit KyServerConfigMgr::instance()->downloadFinish();
        QCOMPARE(catcher.texts, QStringList{name + "复制失败！"});

        // Different data: the MD5 check fails and nothing is copied.
        edit(page.get(), "fBackupLe")->setText(folder);
        QVERIFY(writeFile(local, "changed"));
        catcher.clear();
        emit KyServerConfigMgr::instance()->downloadFinish();
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("Md5校验失败！")});
        QVERIFY(!QFile::exists(folder + "/" + name));
        QFile::remove(local);
    }

    void cleanupTestCase()
    {
        page.reset();
        session.reset();
    }
};

QTEST_MAIN(TestSettingsPageBackup)
#include "test_settings_page_backup.moc"
