#include "KyMySqlStatement.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include <mysql.h>

namespace {
// Room for a character cell before it is fetched again in full.
const unsigned long kCellRoom = 256;

bool isInteger(const MYSQL_FIELD& field)
{
    switch (field.type) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_LONGLONG:
        return true;
    default:
        return false;
    }
}
}  // namespace

// One result column: integers arrive as numbers and are written out here,
// everything else arrives as text.
struct KyMySqlStatement::Column {
    bool integer = false;
    long long number = 0;
    char digits[24];
    std::string text;
    std::string whole;   // a text longer than its room
    unsigned long length = 0;
    my_bool null = 0;
};

KyMySqlStatement::KyMySqlStatement(MYSQL_STMT* stmt, const std::string& sql)
    : m_stmt(stmt), m_sql(sql), m_param(new MYSQL_BIND())
{
}

KyMySqlStatement::~KyMySqlStatement()
{
    mysql_stmt_close(m_stmt);
}

std::unique_ptr<KyMySqlStatement> KyMySqlStatement::prepare(MYSQL* mysql, const std::string& sql,
                                                            unsigned* errorCode)
{
    MYSQL_STMT* stmt = mysql_stmt_init(mysql);
    if (!stmt) {
        *errorCode = mysql_errno(mysql);
        fprintf(stderr, "%s failed. error string:%s\n", sql.c_str(), "out of memory");
        return nullptr;
    }
    std::unique_ptr<KyMySqlStatement> statement(new KyMySqlStatement(stmt, sql));
    if (mysql_stmt_prepare(stmt, sql.data(), sql.size()) != 0 || !statement->bindColumns()) {
        statement->fail(errorCode);
        return nullptr;
    }
    return statement;
}

bool KyMySqlStatement::bindColumns()
{
    m_param->buffer_type = MYSQL_TYPE_LONGLONG;
    m_param->buffer = &m_value;
    MYSQL_RES* meta = mysql_stmt_result_metadata(m_stmt);
    if (mysql_stmt_param_count(m_stmt) != 1 || !meta || mysql_stmt_bind_param(m_stmt, m_param.get()) != 0) {
        if (meta)
            mysql_free_result(meta);
        return false;
    }
    const unsigned count = mysql_num_fields(meta);
    m_columns.resize(count);
    m_binds.assign(count, MYSQL_BIND());
    m_cells.resize(count);
    m_lengths.resize(count);
    for (unsigned i = 0; i < count; ++i) {
        const MYSQL_FIELD& field = *mysql_fetch_field_direct(meta, i);
        Column& column = m_columns[i];
        MYSQL_BIND& bind = m_binds[i];
        column.integer = isInteger(field);
        if (column.integer) {
            bind.buffer_type = MYSQL_TYPE_LONGLONG;
            bind.buffer = &column.number;
            bind.is_unsigned = (field.flags & UNSIGNED_FLAG) != 0;
        } else {
            column.text.resize(std::min(field.length, kCellRoom) + 1);   // and the terminating NUL
            bind.buffer_type = MYSQL_TYPE_STRING;
            bind.buffer = &column.text[0];
            bind.buffer_length = column.text.size();
        }
        bind.length = &column.length;
        bind.is_null = &column.null;
    }
    mysql_free_result(meta);
    return mysql_stmt_bind_result(m_stmt, m_binds.data()) == 0;
}

bool KyMySqlStatement::run(long long value, const KyMySqlConnection::RowVisitor& onRow, unsigned* errorCode,
                           size_t* rows)
{
    *errorCode = 0;
    *rows = 0;
    m_value = value;
    if (mysql_stmt_execute(m_stmt) != 0)
        return fail(errorCode);
    // Rows are read from the connection as they are fetched, not stored first.
    int rc;
    while ((rc = mysql_stmt_fetch(m_stmt)) == 0 || rc == MYSQL_DATA_TRUNCATED) {
        readRow();
        onRow(m_cells.data(), m_lengths.data(), static_cast<int>(m_cells.size()));
        ++*rows;
    }
    return rc == MYSQL_NO_DATA || fail(errorCode);
}

// Points the cells at the fetched row, each ending in a NUL as the cells of
// a plain query do.
void KyMySqlStatement::readRow()
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        Column& column = m_columns[i];
        if (column.null)
            column.length = 0;
        m_cells[i] = column.null ? nullptr
                     : column.integer ? writeNumber(i)
                     : column.length >= column.text.size() ? fetchWhole(i)
                     : column.text.data();
        m_lengths[i] = column.length;
    }
}

const char* KyMySqlStatement::writeNumber(size_t i)
{
    Column& column = m_columns[i];
    char* const first = column.digits;
    char* const last = first + sizeof column.digits;
    char* end = m_binds[i].is_unsigned
                    ? std::to_chars(first, last, static_cast<unsigned long long>(column.number)).ptr
                    : std::to_chars(first, last, column.number).ptr;
    *end = '\0';
    column.length = static_cast<unsigned long>(end - first);
    return first;
}

const char* KyMySqlStatement::fetchWhole(size_t i)
{
    Column& column = m_columns[i];
    column.whole.resize(column.length);
    MYSQL_BIND bind = MYSQL_BIND();
    bind.buffer_type = MYSQL_TYPE_STRING;
    bind.buffer = &column.whole[0];
    bind.buffer_length = column.whole.size();
    mysql_stmt_fetch_column(m_stmt, &bind, static_cast<unsigned>(i), 0);
    return column.whole.data();
}

bool KyMySqlStatement::fail(unsigned* errorCode) const
{
    *errorCode = mysql_stmt_errno(m_stmt);
    fprintf(stderr, "%s failed. error string:%s\n", m_sql.c_str(), mysql_stmt_error(m_stmt));
    return false;
}
