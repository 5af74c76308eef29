#pragma once

#include <string>
#include <vector>

#include "KyBaseMgr.h"
#include "KyDbpMessage.h"
#include "KyDbpRows.h"
#include "KyListEvents.h"
#include "KyModelUtil.h"

// Protocol manager of a list whose ids the console chooses (mic groups,
// regions): parses the list reply and the "DELETE_<Kind>" notification.
template <class T>
class KyOrgListManage : public KyBaseMgr {
public:
    using Events = KyListEvents<T>;
    using Report = KyListAdapter<Events>;
    using FromRow = T (*)(const KyRow&);

    // "Add", "Mod" or "Del" for op 4, 5, 6; empty for another op.
    static const char* action(int op)
    {
        static const char* const actions[] = {"Add", "Mod", "Del"};
        return (op >= 4 && op <= 6) ? actions[op - 4] : "";
    }

    void onReply(int requestType, const KyDbpMessage& msg) override
    {
        std::vector<KyRow> rows;
        if (requestType != m_listType || !kyParseRowsLogged(name(), msg.body, rows))
            return;
        kyKeepRowsWithIds(name(), m_idKey, true, rows);
        std::vector<T> records;
        for (const KyRow& row : rows)
            records.push_back(m_fromRow(row));
        Report::list(*this, 0, records);
    }

    bool onNotification(const std::string&, const std::string& body) override
    {
        KyNotice notice;
        if (kyParseNotice(name(), body, notice))
            Report::removed(*this, notice.id);
        return true;
    }

    bool handlesCode(const std::string& pushName) const override { return pushName == m_deleteName; }

protected:
    // idKey: the rows' field holding the record id.
    KyOrgListManage(const std::string& name, int listType, int saveType, const std::string& deleteName,
                    const char* idKey, FromRow fromRow)
        : KyBaseMgr(name), m_listType(listType), m_deleteName(deleteName), m_idKey(idKey), m_fromRow(fromRow)
    {
        addListType(listType);
        addReplyType(saveType);
    }

private:
    int m_listType;
    std::string m_deleteName;
    const char* m_idKey;
    FromRow m_fromRow;
};
