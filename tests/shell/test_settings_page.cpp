// System settings page: the parameter walk, each setting action and what it
// does with each result code of the stand-in server.

#include <memory>

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "KyModalCatcher.h"
#include "KyServerConfigMgr.h"
#include "KySettings.h"
#include "KySettingsTestSupport.h"
#include "KySystemSettingForm.h"
#include "KyTestSession.h"
#include "TcpSocketClient.h"

class TestSettingsPage : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString config;
    std::unique_ptr<KyTestSession> session;
    std::unique_ptr<KySystemSettingForm> page;
    std::unique_ptr<QSignalSpy> titles;

    KyTestServer& server() { return session->server(); }
    QLabel* label(const char* name) { return page->findChild<QLabel*>(QString::fromLatin1(name)); }
    void click(const char* name)
    {
        QTest::mouseClick(page->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void setParameter(const std::string& name, const std::string* value) { setParameterRow(server(), name, value); }
    void reload()
    {
        titles->clear();
        QCOMPARE(KyServerConfigMgr::instance()->getSystemParameter(), 0);
        QTRY_VERIFY(titles->count() > 0);
    }
    int posts() { return static_cast<int>(server().received("SystemParameter").size()); }

private slots:
    void initTestCase()
    {
        config = dir.filePath("config.ini");
        kySetConfigPath(config);
        loadPortSettings();
        session.reset(new KyTestSession);
        QVERIFY(session->loggedIn());
        page.reset(new KySystemSettingForm);
        titles.reset(new QSignalSpy(page.get(), &KySystemSettingForm::sendTitleString));
    }

    void construction()
    {
        QCOMPARE(edit(page.get(), "fUserLe")->text(), QStringLiteral("admin"));
        for (const char* hidden : {"fServerBackupGb", "fTalkLogGb", "fRecordServerGb"})
            QVERIFY(group(page.get(), hidden)->isHidden());
        for (const char* shown : {"fUserPassGb", "fVadgroupBox", "fTitleNameGb"}) {
            QVERIFY(!group(page.get(), shown)->isHidden());
            QVERIFY(!group(page.get(), shown)->isChecked());
        }
        QVERIFY(!page->findChild<QPushButton*>("fBackupStartBtn")->isEnabled());
        QVERIFY(!edit(page.get(), "fRestoreLe")->isEnabled());

        // The password takes six letters or digits.
        group(page.get(), "fUserPassGb")->setChecked(true);
        QTest::keyClicks(edit(page.get(), "fPassLe"), "ab#c-d1e2f3");
        QCOMPARE(edit(page.get(), "fPassLe")->text(), QStringLiteral("abcd1e"));
        edit(page.get(), "fPassLe")->clear();
        group(page.get(), "fUserPassGb")->setChecked(false);
    }

    void parameterWalk()
    {
        // The demo parameters, loaded by the constructor's request.
        QTRY_COMPARE(edit(page.get(), "fTitleLe")->text(), QStringLiteral("智慧校园广播对讲系统"));
        QCOMPARE(page->titleName, QStringLiteral("智慧校园广播对讲系统"));
        QCOMPARE(titles->last().at(0).toString(), QStringLiteral("智慧校园广播对讲系统"));
        QCOMPARE(edit(page.get(), "fVadlineEdit")->text(), QStringLiteral("30"));
        QCOMPARE(label("fVadlabel")->text(), QStringLiteral("[已设置]"));
        QCOMPARE(edit(page.get(), "fTbLogIp")->text(), QStringLiteral("127.0.0.1"));
        QCOMPARE(edit(page.get(), "fTbLogPort")->text(), QStringLiteral("8666"));
        QCOMPARE(label("kTalkLogNoteLabel")->text(), QStringLiteral("[已设置]"));

        // Recordings come from the record server's host on the settings file's port, not the value's.
        {
            QSettings ini(config, QSettings::IniFormat);
            ini.setValue("Setting/RecordDownPort", 9100);
        }
        loadPortSettings();
        const std::string record = "10.1.2.3:7801";
        setParameter("Record_Server", &record);
        setParameter("System_Name", nullptr);
        reload();
        QCOMPARE(edit(page.get(), "fTbRecordIp")->text(), QStringLiteral("10.1.2.3"));
        QCOMPARE(edit(page.get(), "fTbRecordPort")->text(), QStringLiteral("7801"));
        QCOMPARE(label("kRecordNoteLabel")->text(), QStringLiteral("[已设置]"));
        QCOMPARE(TcpSocketClient::instance()->recordHost(), QStringLiteral("10.1.2.3"));
        QCOMPARE(TcpSocketClient::instance()->recordPort(), 9100);
        // No name: the default title, still announced.
        QCOMPARE(titles->count(), 1);
        QCOMPARE(titles->last().at(0).toString(), QStringLiteral("管理中心"));
        QCOMPARE(edit(page.get(), "fTitleLe")->text(), QStringLiteral("管理中心"));

        // A value without ":" changes nothing; a later name wins.
        const std::string bare = "10.9.9.9";
        setParameter("Record_Server", &bare);
        const std::string first = "甲", second = "乙";
        setParameter("System_Name", &first);
        std::vector<KyRow> rows = server().rows("parameter");
        KyRow again;
        again.add("name", "System_Name");
        again.add("value", second);
        rows.push_back(again);
        server().setRows("parameter", rows);
        reload();
        QCOMPARE(TcpSocketClient::instance()->recordHost(), QStringLiteral("10.1.2.3"));
        QCOMPARE(edit(page.get(), "fTbRecordIp")->text(), QStringLiteral("10.1.2.3"));
        QCOMPARE(titles->count(), 2);
        QCOMPARE(page->titleName, QStringLiteral("乙"));
    }

    void silenceTimeOut()
    {
        QVERIFY(KySystemSettingForm::isValidVadTimeOut("300"));
        QVERIFY(KySystemSettingForm::isValidVadTimeOut("0300"));
        QVERIFY(KySystemSettingForm::isValidVadTimeOut("123456789012345678901234"));
        for (const char* bad : {"299", "", "300abc", " 300", "-300", "3e5", "abc", "０300"})
            QVERIFY2(!KySystemSettingForm::isValidVadTimeOut(QString::fromUtf8(bad)), bad);

        const std::string stored = "30";
        setParameter("Vad_Ptt_Time_Out", &stored);
        reload();
        KyModalCatcher catcher;
        const int before = posts();
        click("fVadpushButton");   // group not ticked: nothing
        QCOMPARE(catcher.texts.size(), 0);

        QLineEdit* vad = edit(page.get(), "fVadlineEdit");
        group(page.get(), "fVadgroupBox")->setChecked(true);
        vad->setText("300abc");
        click("fVadpushButton");
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("超时时间必须大于或者等于300秒")});
        QCOMPARE(vad->text(), QStringLiteral("30"));   // the stored value back
        QVERIFY(!group(page.get(), "fVadgroupBox")->isChecked());
        QCOMPARE(posts(), before);

        group(page.get(), "fVadgroupBox")->setChecked(true);
        vad->setText("300");
        catcher.clear();
        click("fVadpushButton");
        QCOMPARE(catcher.texts.size(), 0);
        QCOMPARE(posts(), before + 1);
        QCOMPARE(lastBody(server(), "SystemParameter")["Name"].asString(), std::string("Vad_Ptt_Time_Out"));
        QCOMPARE(lastBody(server(), "SystemParameter")["Value"].asString(), std::string("300"));
        QCOMPARE(parameterValue(server(), "Vad_Ptt_Time_Out"), std::string("300"));

        // A refused change is reported.
        server().setStatus("SystemParameter", 500);
        group(page.get(), "fVadgroupBox")->setChecked(true);
        vad->setText("400");
        click("fVadpushButton");
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("设置失败！")});
        QCOMPARE(parameterValue(server(), "Vad_Ptt_Time_Out"), std::string("300"));
    }

    void systemName()
    {
        KyModalCatcher catcher;
        QLineEdit* title = edit(page.get(), "fTitleLe");
        QGroupBox* box = group(page.get(), "fTitleNameGb");
        const std::string before = parameterValue(server(), "System_Name");
        titles->clear();

        box->setChecked(true);
        title->clear();
        click("fSaveTileBtn");
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("请输入名称！")});
        QVERIFY(box->isChecked());

        // Refused: no title, nothing stored.
        catcher.clear();
        title->setText("新名称");
        server().setStatus("SystemParameter", 403);
        click("fSaveTileBtn");
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("设置失败！")});
        QCOMPARE(titles->count(), 0);
        QVERIFY(!QSettings(config, QSettings::IniFormat).contains("Setting/Title"));
        QCOMPARE(parameterValue(server(), "System_Name"), before);
        QVERIFY(!box->isChecked());

        // Busy twice, then taken: announced and stored.
        catcher.clear();
        box->setChecked(true);
        server().setBusy("SystemParameter", 2);
        click("fSaveTileBtn");
        QCOMPARE(catcher.texts.size(), 0);
        QCOMPARE(titles->count(), 1);
        QCOMPARE(titles->last().at(0).toString(), QStringLiteral("新名称"));
        QCOMPARE(page->titleName, QStringLiteral("新名称"));
        QCOMPARE(QSettings(config, QSettings::IniFormat).value("Setting/Title").toString(), QStringLiteral("新名称"));
        QCOMPARE(parameterValue(server(), "System_Name"), std::string("新名称"));
        QVERIFY(!box->isChecked());
    }

    void passwordAndServers()
    {
        KyModalCatcher catcher;
        QGroupBox* pass = group(page.get(), "fUserPassGb");
        pass->setChecked(true);
        click("fUserPassButton");
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("密码不能为空！")});
        QVERIFY(server().received("ModTalkManagerInfo").empty());

        catcher.clear();
        pass->setChecked(true);
        QTest::keyClicks(edit(page.get(), "fPassLe"), "new123");
        click("fUserPassButton");
        QCOMPARE(catcher.texts.size(), 0);
        Json::Value body = lastBody(server(), "ModTalkManagerInfo");
        QCOMPARE(body["Name"].asString(), std::string("admin"));
        QCOMPARE(body["PassWord"].asString(), std::string("new123"));
        QVERIFY(edit(page.get(), "fPassLe")->text().isEmpty());
        QVERIFY(!pass->isChecked());

        // The server does not know the user: reported.
        server().setStatus("ModTalkManagerInfo", 404);
        pass->setChecked(true);
        QTest::keyClicks(edit(page.get(), "fPassLe"), "abc");
        click("fUserPassButton");
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("设置失败！")});

        // Record server: the worker follows only an accepted change.
        catcher.clear();
        QGroupBox* record = group(page.get(), "fRecordServerGb");
        record->setChecked(true);
        edit(page.get(), "fTbRecordIp")->setText("10.5.5.5");
        edit(page.get(), "fTbRecordPort")->setText("7801");
        server().setStatus("SystemParameter", 500);
        click("fRecordButton");
        QCOMPARE(catcher.texts, QStringList{QStringLiteral("设置失败！")});
        QVERIFY(TcpSocketClient::instance()->recordHost() != QStringLiteral("10.5.5.5"));
        record->setChecked(true);
        click("fRecordButton");
        QCOMPARE(parameterValue(server(), "Record_Server"), std::string("10.5.5.5:7801"));
        QCOMPARE(TcpSocketClient::instance()->recordHost(), QStringLiteral("10.5.5.5"));
        QCOMPARE(TcpSocketClient::instance()->recordPort(), kyRecordDownPort());
        QVERIFY(!record->isChecked());

        QGroupBox* log = group(page.get(), "fTalkLogGb");
        log->setChecked(true);
        edit(page.get(), "fTbLogIp")->setText("10.6.6.6");
        edit(page.get(), "fTbLogPort")->setText("7802");
        click("fTalkLogButton");
        QCOMPARE(parameterValue(server(), "Talk_Log_Server"), std::string("10.6.6.6:7802"));
        QCOMPARE(label("kTalkLogNoteLabel")->text(), QStringLiteral("[已设置]"));
        QVERIFY(!log->isChecked());
    }

    void cleanupTestCase()
    {
        titles.reset();
        page.reset();
        session.reset();
    }
};

QTEST_MAIN(TestSettingsPage)
#include "test_settings_page.moc"
