#pragma once

#include <map>
#include <string>
#include <vector>

#include <json/json.h>

#include "KyDbpRows.h"

struct KyDbpMessage;

// A push that follows a change: an echo of the change for the other
// consoles, an outcome every console sees (sender included), or a notice
// meant for the sender alone.
struct KyTestPush {
    enum Audience { Others, Everyone, SenderOnly };
    std::string packetType;
    std::string subtype;
    std::string body;
    Audience audience = Others;
};

struct KyTestUser {
    std::string password;
    int level = 1;
};

// The stand-in server's data: users and in-memory tables, and the handling
// of every query and change of a logged-in console. Not thread-safe: the
// server calls it under its own mutex.
class KyTestDatabase {
public:
    struct Table {
        std::vector<std::string> columns;
        std::vector<std::vector<std::string>> rows;  // values in column order
    };

    using FieldMap = std::vector<std::pair<const char*, const char*>>;   // request key -> column

    KyTestDatabase();

    // Replaces users and tables by the fixture's; false (unchanged) on error.
    bool loadFixture(const std::string& path, std::string& error);
    bool loadFixtureText(const std::string& text, std::string& error);

    void addUser(const std::string& name, const std::string& password, int level);
    const KyTestUser* user(const std::string& name) const;

    std::vector<KyRow> rows(const std::string& table) const;
    void setRows(const std::string& table, const std::vector<KyRow>& rows);

    // Answers one request of a logged-in console: returns the status code,
    // fills the reply body and the pushes to send after the reply.
    int handle(const KyDbpMessage& req, std::string& body, std::vector<KyTestPush>& pushes);

private:
    using Handler = int (KyTestDatabase::*)(const Json::Value&, std::string&, std::vector<KyTestPush>&);

    // Tables and rows.
    Table& table(const std::string& name);
    const Table* findTable(const std::string& name) const;
    static int column(const Table& t, const std::string& col);
    static int addColumn(Table& t, const std::string& col);
    static std::string value(const Table& t, const std::vector<std::string>& row, const std::string& col);
    static void set(Table& t, std::vector<std::string>& row, const std::string& col, const std::string& v);
    static KyRow toRow(const Table& t, const std::vector<std::string>& row);
    std::vector<std::string>* findRow(const std::string& tableName, const std::string& col, const std::string& v);
    // Terminal tables searched by id, in a fixed order; null when unknown.
    std::vector<std::string>* findTerminal(const std::string& id, std::string* tableName = nullptr);
    int removeRows(const std::string& tableName, const std::string& col, const std::string& v);
    long long maxId(const std::string& tableName, const std::string& col) const;
    std::string rowXml(const std::string& tableName, const std::vector<std::string>& row) const;
    KyTestPush rowPush(const std::string& tableName, const std::vector<std::string>& row,
                       KyTestPush::Audience audience = KyTestPush::Others) const;
    static KyTestPush deletePush(const std::string& kind, const Json::Value& body,
                                 KyTestPush::Audience audience = KyTestPush::Others);
    void resetSchema();

    // Queries (SqlConfig, SqlLog, single-terminal GET).
    int query(const KyDbpMessage& req, std::string& body);
    int runSql(const std::string& tableName, const std::string& sql, std::string& body) const;
    int allPlayTerminals(std::string& body) const;
    int getTerminal(const Json::Value& req, std::string& body);

    // Changes.
    int removeDevice(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int ipAmpSet(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int ipAmpPower(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int ipAmpSpkCheck(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int setTerminal(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int ttsSet(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int modTalkTerminal(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int modM04Led(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int m02ButtonCall(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int m04ButtonCall(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int buttonCalls(const std::string& tableName, const char* ownerTable, const Json::Value& req);
    int monitorBook(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int m12CallBook(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int soundSourceBook(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int regionBook(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int book(const std::string& tableName, const Json::Value& req, const char* key, bool typed);
    int capSet(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int fAlarmName(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int fAlarmTrigger(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int consoleIdChange(const std::string& tableName, const char* idColumn, const Json::Value& req,
                        const FieldMap& map, const FieldMap& defaults, const char* deleteKind,
                        std::vector<KyTestPush>& pushes);
    int callService(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int broadRegion(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int soundSource(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int soundSourceSwitch(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int timerPlan(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int systemParameter(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int modTalkManagerInfo(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int dataBackup(const Json::Value&, std::string&, std::vector<KyTestPush>&);
    int dataRecovery(const Json::Value&, std::string&, std::vector<KyTestPush>&);

    // Updates the columns named in map (request key -> column) that the
    // request carries.
    static void applyFields(Table& t, std::vector<std::string>& row, const Json::Value& req, const FieldMap& map);
    int updateTerminal(const Json::Value& req, const std::vector<std::string>& tables, const FieldMap& map,
                       std::vector<KyTestPush>& pushes);
    Json::Value snapshot() const;

    std::map<std::string, KyTestUser> m_users;
    std::map<std::string, Table> m_tables;
    std::map<std::string, Handler> m_handlers;
    struct Backup {
        std::string md5;
        std::map<std::string, Table> tables;
    };
    std::map<std::string, Backup> m_backups;
};
