#pragma once

#include <mutex>
#include <vector>

#include "KyMic.h"
#include "KyMicBtnCall.h"
#include "KyTalkTermManage.h"
#include "KyTermListBase.h"

// Shared part of the mic02 and mic04 list managers: the mic list and the
// button calls of the terminal whose calls were requested last.
class KyTalkListBase : public KyTermListBase<KyMic, std::vector<KyMicBtnCall>> {
public:
    // Fields one save request carries.
    enum SavedPart { PART_TALK, PART_LED, PART_AMP };  // name and volumes; LED; name and broadcast volume

    // Copy of the stored button calls, in reply order.
    std::vector<KyMicBtnCall> buttonCallList() const;

protected:
    explicit KyTalkListBase(KyTalkTermManage* mgr);

    KyTalkTermManage* talkMgr() const { return static_cast<KyTalkTermManage*>(m_mgr); }
    // Empties the stored calls, then queries them for the terminal; only this
    // request's reply refills the list. Returns the hub's result.
    int requestCalls(const KyMic& mic);
    // Sends with busy retry; on 0 the cached record takes that part of mic (an
    // unknown id the whole record) and notifies. A refusal changes nothing.
    int saveAndApply(int requestType, KyCommandRequest req, const KyMic& mic, SavedPart part);
    // RemoveDevice with busy retry; on 0 removes the record and notifies.
    int removeAndNotify(const KyMic& mic, int requestType);

    // The button calls of the last query.
    void extraArrived(int requestType, const std::vector<KyMicBtnCall>& calls) override;

private:
    mutable std::recursive_mutex m_callsMutex;
    std::vector<KyMicBtnCall> m_calls;
};
