#include "KyM12Manage.h"

#include "KyTermRows.h"

KyM12Manage::KyM12Manage()
    : KyBookTermManage<KyM12>("KyM12Manage", RT_LIST, "M12List", "m12", "M12", RT_REFRESH, "M12")
{
    addReplyType(RT_SAVE);
    addReplyType(RT_REMOVE);
    addBookQuery(RT_CALL_BOOK, {"M12CallList", "m12call"});
    addBookSave(RT_CALL_SAVE, {"M12CallBook", "Contacts"});
    addSourceAndRegionBooks("M12", RT_SOURCE_BOOK, RT_SOURCE_SAVE, RT_REGION_BOOK, RT_REGION_SAVE);
}

KyM12Manage* KyM12Manage::instance()
{
    static KyM12Manage mgr;
    return &mgr;
}

KyCommandRequest KyM12Manage::saveRequest(const KyM12& m12) const
{
    return KyCommandRequest::post("ModTalkTerminal", kyTalkTerminalBody(m12, m12.vol));
}
