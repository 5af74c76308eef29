#pragma once

#include <cstdio>
#include <list>
#include <set>
#include <string>
#include <vector>

#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyJson.h"
#include "KyListEvents.h"
#include "KyModelUtil.h"
#include "KyTermBaseManage.h"
#include "KyTermRows.h"

// Parses a row set into records; false (logged) when the body is no row set.
// With an id key, a whole list: only rows with a usable id, one an id.
template <class T>
bool kyRowsTo(const std::string& body, std::vector<T>& out, const char* who, const char* idKey = nullptr)
{
    std::vector<KyRow> rows;
    if (!kyParseRows(body, rows)) {
        std::fprintf(stderr, "%s: body is not a row set, dropped\n", who);
        return false;
    }
    if (idKey)
        kyKeepRowsWithIds(who, idKey, true, rows);
    out.resize(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        kyReadRow(rows[i], out[i]);
    return true;
}

// Protocol manager of one terminal kind: its list query, the rows of its
// replies and its pushes "SqlConfig_<table>" and "DELETE_<kind>". A
// changed record travels as the row of its changed fields; Extras are the
// entry lists of the kind's other queries.
template <class Rec, class... Extras>
class KyTermRowManage : public KyTermBaseManage {
public:
    using Events = KyListEvents<Rec, KyRow, Extras...>;
    using Report = KyListAdapter<Events>;

    KyTermRowManage(const std::string& name, int listType, const std::string& listSubtype,
                    const std::string& table, const std::string& deleteKind)
        : KyTermBaseManage(name), m_listType(listType), m_listSubtype(listSubtype), m_table(table),
          m_pushName("SqlConfig_" + table), m_deleteName("DELETE_" + deleteKind)
    {
        addListType(listType);
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
            if (kyRowsTo(msg.body, rows, name().c_str(), kIdKey))
                Report::list(*this, 0, rows);
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
        if (result.empty())
            Report::removed(*this, id);
        else
            Report::removeFailed(*this, id, result);
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
    // Hands the rows of a reply on as entries of type E.
    template <class E>
    void reportEntries(int requestType, const std::string& body)
    {
        std::vector<E> entries;
        if (kyRowsTo(body, entries, name().c_str()))
            Report::extra(*this, requestType, entries);
    }

private:
    void deliverRows(const std::string& body)
    {
        std::vector<KyRow> rows;
        if (!kyParseRows(body, rows)) {
            std::fprintf(stderr, "%s: changed rows are not a row set, dropped\n", name().c_str());
            return;
        }
        kyKeepRowsWithIds(name(), kIdKey, false, rows);
        for (const KyRow& row : rows)
            Report::changed(*this, row.toInt(kIdKey), row);
    }

    static constexpr const char* kIdKey = "terminalId";

    int m_listType;
    std::string m_listSubtype;
    std::string m_table;
    std::string m_pushName;
    std::string m_deleteName;
    std::set<int> m_rowTypes;
    std::set<int> m_entryTypes;
};
