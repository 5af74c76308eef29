#pragma once

#include <memory>
#include <string>
#include <vector>

#include "KyMySqlConnection.h"

typedef struct st_mysql_stmt MYSQL_STMT;
typedef struct st_mysql_bind MYSQL_BIND;

// A prepared statement with one integer parameter ("?") on the connection's
// handle; KyMySqlConnection owns it and serialises its use. Its rows reach
// the visitor as text cells, the same texts a plain query gives for integer
// and character columns.
class KyMySqlStatement {
public:
    // Null when sql cannot be prepared (the error on stderr and in *errorCode).
    static std::unique_ptr<KyMySqlStatement> prepare(MYSQL* mysql, const std::string& sql, unsigned* errorCode);
    ~KyMySqlStatement();
    KyMySqlStatement(const KyMySqlStatement&) = delete;
    KyMySqlStatement& operator=(const KyMySqlStatement&) = delete;

    // Runs with value and hands each row to onRow as it arrives; *rows counts
    // the rows handed over, also when the run fails midway.
    bool run(long long value, const KyMySqlConnection::RowVisitor& onRow, unsigned* errorCode, size_t* rows);

private:
    struct Column;

    KyMySqlStatement(MYSQL_STMT* stmt, const std::string& sql);
    bool bindColumns();
    void readRow();
    const char* writeNumber(size_t column);
    const char* fetchWhole(size_t column);
    bool fail(unsigned* errorCode) const;

    MYSQL_STMT* m_stmt;
    std::string m_sql;
    long long m_value = 0;
    std::unique_ptr<MYSQL_BIND> m_param;
    std::vector<MYSQL_BIND> m_binds;
    std::vector<Column> m_columns;
    std::vector<const char*> m_cells;
    std::vector<unsigned long> m_lengths;
};
