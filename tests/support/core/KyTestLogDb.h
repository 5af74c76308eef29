#pragma once

#include <memory>
#include <string>

#include <QString>
#include <QTemporaryDir>

#include "KyMySqlConnection.h"

// The private MariaDB server of scripts/mariadb-start, seen from a test.
// Including this header makes ctest run the test alone among the tests that
// use the log database. Typical use:
//     KyTestLogDb db;
//     KY_REQUIRE_LOGDB(db);   // in initTestCase
//     db.useForConsole();     // config.ini with the server's MySqlPort
class KyTestLogDb {
public:
    KyTestLogDb();

    // Connects the administrator account; false with the reason otherwise.
    bool open(QString* why);
    // Whether the test script announced a server (then it must be reachable).
    static bool announced();

    std::string host() const { return m_host; }
    int port() const { return m_port; }

    // Runs sql as administrator on "talkbacklog"; false (and a diagnostic)
    // on failure. result may be null.
    bool exec(const std::string& sql, KyMySqlResult* result = nullptr);
    // Empties talklog_bak, talklog, terminallog and userlog.
    bool clearLogs();
    // Closes every server session of the console's account.
    int killConsoleSessions();

    // Points the console's settings file at a temporary config.ini whose
    // MySqlPort is port (default: this server's) and loads the ports.
    void useForConsole(int port = 0);

private:
    std::string m_host;
    int m_port = 0;
    std::string m_user;
    std::string m_password;
    KyMySqlConnection m_admin;
    std::unique_ptr<QTemporaryDir> m_configDir;
};

// Skips when no server was announced and none of this build folder runs;
// fails when the announced server cannot be reached.
#define KY_REQUIRE_LOGDB(db)                                                                      \
    do {                                                                                          \
        QString why_;                                                                             \
        if (!(db).open(&why_)) {                                                                  \
            if (KyTestLogDb::announced())                                                         \
                QFAIL(qPrintable(why_));                                                          \
            QSKIP(qPrintable(why_ + " (start one: eval \"$(bash scripts/mariadb-start)\")"));      \
        }                                                                                         \
    } while (0)
