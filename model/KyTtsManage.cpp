#include "KyTtsManage.h"

#include "KyTermRows.h"

KyTtsManage::KyTtsManage() : KyTermRowManage<KyTts>("KyTtsManage", RT_LIST, "TtsList", "tts", "Tts")
{
    addReplyTypes(RT_SAVE, RT_REMOVE);
}

KyTtsManage* KyTtsManage::instance()
{
    static KyTtsManage mgr;
    return &mgr;
}

KyCommandRequest KyTtsManage::saveRequest(const KyTts& tts) const
{
    return KyCommandRequest::post("TtsSet", kyIdNameBody(tts));
}
