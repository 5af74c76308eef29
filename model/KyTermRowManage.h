#pragma once

#include <cstdio>
#include <list>
#include <set>
#include <string>
#include <vector>

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyJson.h"
#include "KyTermBaseManage.h"

// Events a terminal manager hands to its list manager's callback.
enum KyTermEvent {
    KY_EV_LIST = 0,           // data: const std::list<Rec>*
    KY_EV_CHANGED = 1,        // id, data: const KyRow* (fields to apply to the record)
    KY_EV_DELETED = 2,        // id (removal notice with an empty result)
    KY_EV_DELETE_FAILED = 3,  // id, data: const std::string* (the notice's result text)
    KY_EV_ENTRIES = 4,        // id = request type, data: const std::vector<T>* (books, button calls)
};

// Parses a row set into records; false (logged) when the body is no row set.
template <class T>
bool kyRowsTo(const std::string& body, std::vector<T>& out, const char* who)
{
    std::vector<KyRow> rows;
    if (!kyParseRows(body, rows)) {
        std::fprintf(stderr, "%s: body is not a row set, dropped\n", who);
        return false;
    }
    out.resize(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        kyReadRow(rows[i], out[i]);
    return true;
}

// Protocol manager of one terminal kind: its list query, the rows of its
// replies and its pushes "SqlConfig_<table>" and "DELETE_<kind>".
template <class Rec>
class KyTermRowManage : public KyTermBaseManage {
public:
    using List = std::list<Rec>;

    KyTermRowManage(const std::string& name, int listType, const std::string& listSubtype,
                    const std::string& table, const std::string& deleteKind)
        : KyTermBaseManage(name), m_listType(listType), m_listSubtype(listSubtype), m_table(table),
          m_pushName("SqlConfig_" + table), m_deleteName("DELETE_" + deleteKind)
    {
        addReplyType(listType);
    }

    int listType() const { return m_listType; }

    KyCommandRequest listRequest() const
    {
        return KyCommandRequest::sqlQuery(m_listSubtype, "select * from " + m_table);
    }

    void onReply(int requestType, const KyDbpMessage& msg) override
    {
        if (requestType == m_listType) {
            std::vector<Rec> rows;
            if (kyRowsTo(msg.body, rows, name().c_str())) {
                List list(rows.begin(), rows.end());
                callback(KY_EV_LIST, 0, &list);
            }
        } else if (m_rowTypes.count(requestType)) {
            deliverRows(msg.body);
        } else if (m_entryTypes.count(requestType)) {
            deliverEntries(requestType, msg.body);
        }
    }

    bool handlesCode(const std::string& pushName) const override
    {
        return pushName == m_pushName || pushName == m_deleteName;
    }

    bool parseBody(const std::string&, const std::string& body) override
    {
        deliverRows(body);
        return true;
    }

    bool onNotification(const std::string& pushName, const std::string& body) override
    {
        Json::Value v;
        int id = kyJsonParse(body, v) ? kyToInt(kyJsonText(v, "Id"), -1) : -1;
        if (id < 0) {
            std::fprintf(stderr, "%s: %s without an id, dropped\n", name().c_str(), pushName.c_str());
            return true;
        }
        const std::string result = kyJsonText(v, "Result");
        callback(result.empty() ? KY_EV_DELETED : KY_EV_DELETE_FAILED, id, &result);
        return true;
    }

protected:
    // A request whose reply rows are changed records of this kind.
    void addRowReplyType(int requestType)
    {
        m_rowTypes.insert(requestType);
        addReplyType(requestType);
    }
    // A request whose reply rows are handed on as entries (parsed by the subclass).
    void addEntryReplyType(int requestType)
    {
        m_entryTypes.insert(requestType);
        addReplyType(requestType);
    }
    virtual void deliverEntries(int, const std::string&) {}

private:
    void deliverRows(const std::string& body)
    {
        std::vector<KyRow> rows;
        if (!kyParseRows(body, rows)) {
            std::fprintf(stderr, "%s: changed rows are not a row set, dropped\n", name().c_str());
            return;
        }
        for (const KyRow& row : rows) {
            const int id = row.toInt("terminalId", -1);
            if (id < 0)
                std::fprintf(stderr, "%s: changed row without terminalId, dropped\n", name().c_str());
            else
                callback(KY_EV_CHANGED, id, &row);
        }
    }

    int m_listType;
    std::string m_listSubtype;
    std::string m_table;
    std::string m_pushName;
    std::string m_deleteName;
    std::set<int> m_rowTypes;
    std::set<int> m_entryTypes;
};
