#include "KyTestLogDb.h"

#include <cstdio>
#include <cstdlib>

#include <QFile>
#include <QSettings>

#include "KyDbAccount.h"
#include "KySettings.h"

namespace {
std::string env(const char* name, const char* fallback)
{
    const char* value = getenv(name);
    return value && *value ? value : fallback;
}

// The announced port, else the one of this build folder's private server
// (never another folder's), else 0.
int serverPort()
{
    if (KyTestLogDb::announced())
        return atoi(getenv("KY_TEST_MYSQL_PORT"));
    QFile file(QStringLiteral(KY_TEST_MARIADB_DIR "/port"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().trimmed().toInt();
}
}  // namespace

KyTestLogDb::KyTestLogDb()
    : m_host(env("KY_TEST_MYSQL_HOST", "127.0.0.1")),
      m_port(serverPort()),
      m_user(env("KY_TEST_MYSQL_ADMIN_USER", "kytest")),
      m_password(env("KY_TEST_MYSQL_ADMIN_PASSWORD", "kytest"))
{
}

bool KyTestLogDb::announced()
{
    const char* port = getenv("KY_TEST_MYSQL_PORT");
    return port && *port;
}

bool KyTestLogDb::open(QString* why)
{
    if (m_port > 0 && m_admin.connect(m_host, m_port, m_user, m_password, "talkbacklog"))
        return true;
    if (why)
        *why = QString("no log database server on %1:%2").arg(QString::fromStdString(m_host)).arg(m_port);
    return false;
}

bool KyTestLogDb::exec(const std::string& sql, KyMySqlResult* result)
{
    return m_admin.query(sql, result);
}

bool KyTestLogDb::clearLogs()
{
    return exec("truncate table talklog_bak") && exec("truncate table talklog") &&
           exec("truncate table terminallog") && exec("truncate table userlog");
}

int KyTestLogDb::killConsoleSessions()
{
    KyMySqlResult sessions;
    if (!exec(std::string("select id from information_schema.processlist where user = '") + KY_DB_USER + "'",
              &sessions))
        return -1;
    int killed = 0;
    for (int r = 0; r < sessions.rowCount(); ++r)
        killed += exec("kill " + sessions.value(r, 0)) ? 1 : 0;
    return killed;
}

void KyTestLogDb::useForConsole(int port)
{
    m_configDir = std::make_unique<QTemporaryDir>();
    const QString path = m_configDir->filePath("config.ini");
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue("Setting/MySqlPort", port ? port : m_port);
    }
    kySetConfigPath(path);
    loadPortSettings();
}
