#include "KyMySqlConnection.h"

#include <cstdio>

#include <errmsg.h>
#include <mysql.h>
#include <mysqld_error.h>

#include "KyMySqlStatement.h"

namespace {
const unsigned kConnectTimeoutSeconds = 3;

bool connectionLost(unsigned code)
{
    return code == CR_SERVER_GONE_ERROR || code == CR_SERVER_LOST || code == ER_CONNECTION_KILLED;
}

void initLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { mysql_library_init(0, nullptr, nullptr); });
}
}  // namespace

KyMySqlConnection* KyMySqlConnection::instance()
{
    static KyMySqlConnection connection;
    return &connection;
}

KyMySqlConnection::KyMySqlConnection()
{
    initLibrary();
}

KyMySqlConnection::~KyMySqlConnection()
{
    close();
}

bool KyMySqlConnection::connect(const std::string& host, int port, const std::string& user,
                                const std::string& password, const std::string& database)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_host = host;
    m_port = port;
    m_user = user;
    m_password = password;
    m_database = database;
    m_setUp = true;
    return connectLocked();
}

bool KyMySqlConnection::connectLocked()
{
    closeLocked();
    m_mysql = mysql_init(nullptr);
    if (!m_mysql) {
        fprintf(stderr, "connect mysql failed: %s\n", "out of memory");
        return false;
    }
    mysql_options(m_mysql, MYSQL_OPT_CONNECT_TIMEOUT, &kConnectTimeoutSeconds);
    mysql_options(m_mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    if (!mysql_real_connect(m_mysql, m_host.c_str(), m_user.c_str(), m_password.c_str(), m_database.c_str(),
                            static_cast<unsigned>(m_port), nullptr, 0)) {
        fprintf(stderr, "connect mysql failed: %s\n", mysql_error(m_mysql));
        closeLocked();
        return false;
    }
    m_connected = true;
    return true;
}

void KyMySqlConnection::closeLocked()
{
    m_connected = false;
    m_statements.clear();
    if (m_mysql) {
        mysql_close(m_mysql);
        m_mysql = nullptr;
    }
}

void KyMySqlConnection::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    closeLocked();
}

bool KyMySqlConnection::runLocked(const std::string& sql, const RowVisitor& onRow, unsigned* errorCode)
{
    *errorCode = 0;
    if (mysql_real_query(m_mysql, sql.data(), sql.size()) != 0) {
        *errorCode = mysql_errno(m_mysql);
        fprintf(stderr, "%s failed. error string:%s\n", sql.c_str(), mysql_error(m_mysql));
        return false;
    }
    MYSQL_RES* res = mysql_store_result(m_mysql);
    if (!res) {
        if (mysql_field_count(m_mysql) == 0)
            return true;  // a statement without a result set
        *errorCode = mysql_errno(m_mysql);
        fprintf(stderr, "%s failed. error string:%s\n", sql.c_str(), mysql_error(m_mysql));
        return false;
    }
    const int columns = static_cast<int>(mysql_num_fields(res));
    while (MYSQL_ROW row = mysql_fetch_row(res))
        onRow(row, mysql_fetch_lengths(res), columns);
    mysql_free_result(res);
    return true;
}

bool KyMySqlConnection::query(const std::string& sql, KyMySqlResult* result)
{
    KyMySqlResult scratch;
    if (!result)
        result = &scratch;
    result->clear();
    const bool ok = query(sql, [result](const char* const* cells, const unsigned long* lengths, int columns) {
        if (result->rowCount() == 0)
            result->setColumnCount(columns);
        result->appendRow(cells, lengths);
    });
    if (!ok)
        result->clear();
    return ok;
}

bool KyMySqlConnection::query(const std::string& sql, const RowVisitor& onRow)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return retryLocked(sql, [&](unsigned* code) { return runLocked(sql, onRow, code); });
}

bool KyMySqlConnection::runPreparedLocked(const std::string& sql, long long value, const RowVisitor& onRow,
                                          unsigned* errorCode)
{
    std::unique_ptr<KyMySqlStatement>& statement = m_statements[sql];
    if (!statement)
        statement = KyMySqlStatement::prepare(m_mysql, sql, errorCode);
    size_t rows = 0;
    if (statement && statement->run(value, onRow, errorCode, &rows))
        return true;
    m_statements.erase(sql);   // prepared again next time
    if (rows > 0)
        *errorCode = 0;        // rows were handed over: not to be repeated
    return false;
}

bool KyMySqlConnection::queryPrepared(const std::string& sql, long long value, const RowVisitor& onRow)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return retryLocked(sql, [&](unsigned* code) { return runPreparedLocked(sql, value, onRow, code); });
}

// Runs run on the connection, connecting first when not connected, and once
// more (after connecting again) when the server dropped the connection.
bool KyMySqlConnection::retryLocked(const std::string& sql, const std::function<bool(unsigned*)>& run)
{
    if (!m_setUp) {
        fprintf(stderr, "%s failed. error string:%s\n", sql.c_str(), "no connection set up");
        return false;
    }
    if (!m_connected && !connectLocked())
        return false;
    unsigned code = 0;
    if (run(&code))
        return true;
    if (!connectionLost(code))
        return false;
    // The server dropped the connection: connect again and repeat once.
    if (!connectLocked())
        return false;
    if (run(&code))
        return true;
    if (connectionLost(code))
        closeLocked();
    return false;
}
