#pragma once

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <vector>

#include "KyBookTermManage.h"
#include "KyTermListBase.h"

// Shared part of the mic11 and m12 list managers: the locked list walk, the
// single-terminal refresh and the books of the terminal requested last;
// More are the kind's other extras.
template <class Rec, class... More>
class KyBookListBase : public KyTermListBase<Rec, std::vector<KyBookEntry>, More...> {
public:
    using List = std::list<Rec>;

    // Locks the list mutex and returns the list; null, without locking, before
    // the first list reply. The caller calls unlockList() after the walk.
    List* lockList() { return this->m_cache.lock(); }
    void unlockList() { this->m_cache.unlock(); }

protected:
    explicit KyBookListBase(KyBookTermManage<Rec, More...>* mgr)
        : KyTermListBase<Rec, std::vector<KyBookEntry>, More...>(mgr, false)
    {
    }

    KyBookTermManage<Rec, More...>* bookMgr() const
    {
        return static_cast<KyBookTermManage<Rec, More...>*>(this->m_mgr);
    }

    // Requests one terminal when it is cached and no refresh is in flight;
    // the reply replaces the record and notifies. -1 when nothing was sent.
    int refresh(KyManageCenter* center, int id)
    {
        if (!center || !this->m_cache.contains(id) || m_refreshing.exchange(true))
            return -1;
        int rc = this->send(center, bookMgr()->refreshType(), bookMgr()->refreshRequest(id), KY_PAUSE_SAVE_MS);
        m_refreshing = false;
        return rc;
    }

    // A "ModTalkTerminal" save with busy retry; on 0 copies name and volumes
    // (and what extra copies) into the cached record and notifies.
    template <class Extra>
    int saveNameAndVolumes(int requestType, KyCommandRequest req, const Rec& sent, Extra extra)
    {
        int rc = this->send(this->hub(), requestType, std::move(req), KY_PAUSE_SAVE_MS);
        if (rc == 0 && this->m_cache.modify(sent.id, [&](Rec& cached) {
                cached.name = sent.name;
                std::copy(sent.vol, sent.vol + 4, cached.vol);
                extra(cached);
            }))
            this->notifyChanged(sent.id, false);
        return rc;
    }

    // Empties that book, then queries it; only this reply refills it.
    int requestBook(const KyBookReq& req)
    {
        KyCommandRequest cmd;
        if (!bookMgr()->bookQuery(req, cmd))
            return -1;
        setBook(req.type, {});
        return this->send(this->hub(), req.type, cmd, KY_PAUSE_QUERY_MS);
    }

    int saveBook(const KyBookSaveReq& req)
    {
        KyCommandRequest cmd;
        if (!bookMgr()->bookSave(req, cmd))
            return -1;
        return this->send(this->hub(), req.type, cmd, KY_PAUSE_SAVE_MS);
    }

    std::vector<KyBookEntry> book(int type) const
    {
        std::lock_guard<std::recursive_mutex> lock(m_bookMutex);
        auto it = m_books.find(type);
        return it == m_books.end() ? std::vector<KyBookEntry>() : it->second;
    }

    void setBook(int type, std::vector<KyBookEntry> entries)
    {
        std::lock_guard<std::recursive_mutex> lock(m_bookMutex);
        m_books[type].swap(entries);
    }

    void extraArrived(int requestType, const std::vector<KyBookEntry>& entries) override
    {
        setBook(requestType, entries);
    }

    mutable std::recursive_mutex m_bookMutex;

private:
    std::map<int, std::vector<KyBookEntry>> m_books;
    std::atomic<bool> m_refreshing{false};
};
