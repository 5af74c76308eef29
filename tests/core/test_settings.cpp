#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include "KyAppMain.h"
#include "KyCommandLine.h"
#include "KyLoginInfo.h"
#include "KySettings.h"

namespace {
QStringList args(std::initializer_list<const char*> list)
{
    QStringList out{"kyconsole"};
    for (const char* a : list)
        out << QString::fromUtf8(a);
    return out;
}
}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    void writeSetting(const QString& key, const QVariant& value)
    {
        QSettings settings(m_path, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        if (value.isValid())
            settings.setValue("Setting/" + key, value);
        else
            settings.remove("Setting/" + key);
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath("config.ini");
        QFile::remove(m_path);
        kySetConfigPath(m_path);
        KyLoginInfo::instance() = KyLoginInfo();
    }

    void ports()
    {
        loadPortSettings();
        QCOMPARE(kyMySqlPort(), 8666);
        QCOMPARE(kyRecordDownPort(), 8906);

        writeSetting("MySqlPort", 3306);
        writeSetting("RecordDownPort", 0);
        loadPortSettings();
        QCOMPARE(kyMySqlPort(), 3306);
        QCOMPARE(kyRecordDownPort(), 8906);

        // A later load with the key gone or unusable returns to the default.
        writeSetting("MySqlPort", QVariant());
        writeSetting("RecordDownPort", "port");
        loadPortSettings();
        QCOMPARE(kyMySqlPort(), 8666);
        QCOMPARE(kyRecordDownPort(), 8906);

        writeSetting("MySqlPort", 0);
        writeSetting("RecordDownPort", 9100);
        loadPortSettings();
        QCOMPARE(kyMySqlPort(), 8666);
        QCOMPARE(kyRecordDownPort(), 9100);
    }

    void commandLine()
    {
        KyCommandLine line = KyCommandLine::parse(
            args({"-serverip", "127.0.0.9", "-user", "操作员", "-password", "-p4ss", "-max", "0"}));
        QVERIFY(line.autoLogin());
        QCOMPARE(line.serverIp, std::string("127.0.0.9"));
        QCOMPARE(line.user, std::string("操作员"));
        QCOMPARE(line.password, std::string("-p4ss"));
        QCOMPARE(line.max, 0);

        line = KyCommandLine::parse(args({"-serverip=127.0.0.7", "-user", "admin"}));
        QVERIFY(!line.autoLogin());
        QVERIFY(line.hasServerIp && line.hasUser && !line.hasPassword);
        QCOMPARE(line.serverIp, std::string("127.0.0.7"));
        QCOMPARE(line.max, 1);

        QCOMPARE(KyCommandLine::parse(args({"-max", "big"})).max, 1);
        QCOMPARE(KyCommandLine::parse(args({"-unknown", "-max", "2"})).max, 2);
        QCOMPARE(KyCommandLine::parse(args({})).max, 1);
        QVERIFY(!KyCommandLine::parse(args({})).autoLogin());
    }

    void loginFields()
    {
        writeSetting("ServerIp", "127.0.0.5");
        writeSetting("ServerPort", 6000);
        writeSetting("User", "值班员");
        writeSetting("Passwd", "secret");
        writeSetting("Title", "一号楼管理中心");

        KyLoginInfo& info = KyLoginInfo::instance();
        info.load();
        QCOMPARE(KyLoginInfo::serverIp(), std::string("127.0.0.5"));
        QCOMPARE(info.ServerPort, 6000);
        QCOMPARE(info.User, std::string("值班员"));
        QCOMPARE(info.Passwd, std::string("secret"));

        // The command line overrides only what it gives.
        info.applyCommandLine(KyCommandLine::parse(args({"-serverip", "127.0.0.9", "-password", "other"})));
        QCOMPARE(KyLoginInfo::serverIp(), std::string("127.0.0.9"));
        QCOMPARE(info.User, std::string("值班员"));
        QCOMPARE(info.Passwd, std::string("other"));

        // Saving writes the address and the user back, never the password.
        info.ServerPort = 6001;
        info.save();
        QSettings settings(m_path, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        QCOMPARE(settings.value("Setting/ServerIp").toString(), QString("127.0.0.9"));
        QCOMPARE(settings.value("Setting/ServerPort").toInt(), 6001);
        QCOMPARE(settings.value("Setting/Passwd").toString(), QString("secret"));
        QCOMPARE(settings.value("Setting/Title").toString(), QString::fromUtf8("一号楼管理中心"));

        // Without a file there is no address and no port.
        QFile::remove(m_path);
        info.load();
        QCOMPARE(info.ServerIp, std::string());
        QCOMPARE(info.ServerPort, 0);
    }

    void startUp()
    {
        writeSetting("MySqlPort", 13306);
        writeSetting("RecordDownPort", 19906);
        writeSetting("ServerIp", "127.0.0.5");
        QByteArray arg0("kyconsole"), arg1("-serverip"), arg2("127.0.0.8"), arg3("-max"), arg4("0");
        char* argv[] = {arg0.data(), arg1.data(), arg2.data(), arg3.data(), arg4.data(), nullptr};
        bool ran = false;
        const int code = appMain(5, argv, [&](QApplication& app, const KyCommandLine& line) {
            ran = true;
            [&] {
                QCOMPARE(line.max, 0);
                QCOMPARE(KyLoginInfo::serverIp(), std::string("127.0.0.8"));
                QCOMPARE(kyMySqlPort(), 13306);
                QCOMPARE(kyRecordDownPort(), 19906);
                QVERIFY(!app.styleSheet().isEmpty());
                QCOMPARE(QTextCodec::codecForLocale()->name(), QByteArray("UTF-8"));
                // Qt's own dialogs speak Chinese when Qt's translation is installed.
                const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
                QCOMPARE(lookIn != QStringLiteral("Look in:"), QFile::exists(kyQtTranslationFile()));
            }();
            return 7;
        });
        QVERIFY(ran);
        QCOMPARE(code, 7);
        // The caller's argument vector is left as it was.
        QCOMPARE(QByteArray(argv[1]), QByteArray("-serverip"));
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "test_settings.moc"
