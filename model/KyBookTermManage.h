#pragma once

#include <map>
#include <vector>

#include "KyBookEntry.h"
#include "KyTermRowManage.h"

// Protocol part shared by the mic11 and m12 managers: the single-terminal
// read (GET "Terminal" {"Data","Id"}) and the terminal's books (extra
// lists of KyBookEntry); More are the kind's other extras.
template <class Rec, class... More>
class KyBookTermManage : public KyTermRowManage<Rec, std::vector<KyBookEntry>, More...> {
public:
    struct BookQuery { const char* subtype; const char* table; };
    struct BookSave { std::string packetType; const char* key; };

    KyBookTermManage(const std::string& name, int listType, const std::string& listSubtype, const std::string& table,
                     const std::string& deleteKind, int refreshType, const std::string& refreshData)
        : KyTermRowManage<Rec, std::vector<KyBookEntry>, More...>(name, listType, listSubtype, table, deleteKind),
          m_refreshType(refreshType), m_refreshData(refreshData)
    {
        this->addRowReplyType(refreshType);
    }

    int refreshType() const { return m_refreshType; }

    KyCommandRequest refreshRequest(int id) const
    {
        Json::Value body(Json::objectValue);
        body["Data"] = m_refreshData;
        body["Id"] = kyDec(id);
        return KyCommandRequest::get("Terminal", body);
    }

    // False when the type is no book query of this kind.
    bool bookQuery(const KyBookReq& req, KyCommandRequest& out) const
    {
        auto it = m_queries.find(req.type);
        if (it == m_queries.end())
            return false;
        out = KyCommandRequest::sqlQuery(it->second.subtype, std::string("select * from ") + it->second.table +
                                                                 " where terminalId = " + std::to_string(req.terminalId));
        return true;
    }

    // {"Action":"Mod","Id",<key>: text}; false for an unknown type.
    bool bookSave(const KyBookSaveReq& req, KyCommandRequest& out) const
    {
        auto it = m_saves.find(req.type);
        if (it == m_saves.end())
            return false;
        Json::Value body(Json::objectValue);
        body["Action"] = "Mod";
        body["Id"] = kyDec(req.terminalId);
        body[it->second.key] = req.text;
        out = KyCommandRequest::post(it->second.packetType, body);
        return true;
    }

protected:
    void addBookQuery(int type, BookQuery q)
    {
        m_queries[type] = q;
        this->addEntryReplyType(type);
    }
    void addBookSave(int type, BookSave s)
    {
        m_saves[type] = s;
        this->addReplyType(type);
    }
    // The sound-source and region books both kinds have: read from the shared
    // tables, saved as "<prefix>SoundSource" and "<prefix>BroadBook".
    void addSourceAndRegionBooks(const std::string& prefix, int sourceQuery, int sourceSave, int regionQuery,
                                 int regionSave)
    {
        addBookQuery(sourceQuery, {"FixSsTaskList", "fixsstask"});
        addBookSave(sourceSave, {prefix + "SoundSource", "SoundSource"});
        addBookQuery(regionQuery, {"FixRegionList", "fixregion"});
        addBookSave(regionSave, {prefix + "BroadBook", "RegionId"});
    }

    void deliverEntries(int requestType, const std::string& body) override
    {
        this->template reportEntries<KyBookEntry>(requestType, body);
    }

private:
    int m_refreshType;
    std::string m_refreshData;
    std::map<int, BookQuery> m_queries;
    std::map<int, BookSave> m_saves;
};
