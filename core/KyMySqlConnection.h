#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "KyMySqlResult.h"

typedef struct st_mysql MYSQL;
class KyMySqlStatement;

// The process-wide connection to the log database. The user-interface thread
// and the export thread share it: every connect and every query-and-fetch
// runs under the connection's mutex.
class KyMySqlConnection {
public:
    static KyMySqlConnection* instance();

    KyMySqlConnection();
    ~KyMySqlConnection();
    KyMySqlConnection(const KyMySqlConnection&) = delete;
    KyMySqlConnection& operator=(const KyMySqlConnection&) = delete;

    // Stores the parameters, sets the set-up flag (whatever the outcome) and
    // connects; the connected flag tells whether it worked.
    bool connect(const std::string& host, int port, const std::string& user, const std::string& password,
                 const std::string& database);
    bool isSetUp() const { return m_setUp; }
    bool isConnected() const { return m_connected; }

    // Runs sql and fetches its whole result. Reconnects with the stored
    // parameters first when not connected, and once more (repeating the
    // query) when the server dropped the connection. On failure the result
    // is empty and false is returned.
    bool query(const std::string& sql, KyMySqlResult* result);

    // One fetched row: columns cells (null for NULL) and their lengths.
    using RowVisitor = std::function<void(const char* const* cells, const unsigned long* lengths, int columns)>;
    // As query, but hands each row of the fetched result to onRow, still
    // under the lock, instead of copying it. onRow sees only whole results:
    // a repeated query starts again from its first row.
    bool query(const std::string& sql, const RowVisitor& onRow);
    // As query, for sql with one integer parameter "?", run with value. It is
    // prepared once per connection and afterwards only executed, which
    // spares the server most of its work for a statement run many times.
    // Rows reach onRow as they arrive; a lost connection repeats the
    // statement only when no row was handed over yet (otherwise false).
    bool queryPrepared(const std::string& sql, long long value, const RowVisitor& onRow);

    void close();

private:
    bool connectLocked();
    bool runLocked(const std::string& sql, const RowVisitor& onRow, unsigned* errorCode);
    bool runPreparedLocked(const std::string& sql, long long value, const RowVisitor& onRow, unsigned* errorCode);
    bool retryLocked(const std::string& sql, const std::function<bool(unsigned*)>& run);
    void closeLocked();

    std::mutex m_mutex;
    MYSQL* m_mysql = nullptr;
    std::map<std::string, std::unique_ptr<KyMySqlStatement>> m_statements;   // of m_mysql
    std::atomic<bool> m_setUp{false};
    std::atomic<bool> m_connected{false};
    std::string m_host;
    int m_port = 0;
    std::string m_user;
    std::string m_password;
    std::string m_database;
};
