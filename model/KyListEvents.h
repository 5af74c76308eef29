#pragma once

#include <cstdio>
#include <string>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "KyBaseMgr.h"

// Events a protocol manager reports to the store of its records, the codes
// that travel through KyBaseMgr's callback.
enum KyListEvent {
    EV_LIST = 0,           // key (0 or the kind), the whole list
    EV_CHANGED = 1,        // id, the change (a record, or a row with the fields that changed)
    EV_REMOVED = 2,        // id, key (0, the kind, or the request that removed it)
    EV_REMOVE_FAILED = 3,  // id, the server's text
    EV_EXTRA = 4,          // key (mostly a request type), a value of one of the extra types
};

// Receiver of one extra type.
template <class Extra>
class KyExtraEvents {
public:
    virtual ~KyExtraEvents() = default;
    virtual void extraArrived(int, const Extra&) {}
};

// What the store of Rec receives. Change is what a changed-record event
// carries, Extras the types of the extras (entry lists and the like).
template <class Rec, class Change = Rec, class... Extras>
class KyListEvents : public KyExtraEvents<Extras>... {
public:
    using Record = Rec;
    using ChangeType = Change;
    using ExtraTypes = std::tuple<Extras...>;

    virtual ~KyListEvents() = default;

    virtual void listArrived(int key, const std::vector<Rec>& records) = 0;
    virtual void recordChanged(int, const Change&) {}
    virtual void recordRemoved(int, int) {}
    virtual void removeFailed(int, const std::string&) {}
    using KyExtraEvents<Extras>::extraArrived...;
};

// What crosses the untyped callback: the value and its type.
struct KyEventPayload {
    const std::type_info& type;
    const void* value;
};

// The one place where the model converts KyBaseMgr's untyped callback. A
// manager reports through the static functions, its store listens with
// listen(). An event whose payload is not of the kind it carries for
// Events is logged and dropped.
template <class Events>
class KyListAdapter {
public:
    using Rec = typename Events::Record;
    using Change = typename Events::ChangeType;

    static void list(const KyBaseMgr& mgr, int key, const std::vector<Rec>& records)
    {
        report(mgr, EV_LIST, key, records);
    }
    static void changed(const KyBaseMgr& mgr, int id, const Change& change) { report(mgr, EV_CHANGED, id, change); }
    static void removed(const KyBaseMgr& mgr, int id, int key = 0) { report(mgr, EV_REMOVED, id, key); }
    static void removeFailed(const KyBaseMgr& mgr, int id, const std::string& text)
    {
        report(mgr, EV_REMOVE_FAILED, id, text);
    }
    template <class Extra>
    static void extra(const KyBaseMgr& mgr, int key, const Extra& value)
    {
        static_assert(std::is_base_of<KyExtraEvents<Extra>, Events>::value, "no extra of these events");
        report(mgr, EV_EXTRA, key, value);
    }

    // Hands the manager's events to events (replacing an earlier listener).
    static void listen(KyBaseMgr& mgr, Events& events)
    {
        const KyBaseMgr* from = &mgr;
        mgr.setCallback([&events, from](int event, int id, const void* data) {
            if (!deliver(events, event, id, data))
                std::fprintf(stderr, "%s: event %d without a payload of its kind, dropped\n", from->name().c_str(),
                             event);
        });
    }

private:
    template <class T>
    static void report(const KyBaseMgr& mgr, int event, int id, const T& value)
    {
        const KyEventPayload payload{typeid(T), &value};
        mgr.callback(event, id, &payload);
    }

    // Calls f with the payload when it is a T.
    template <class T, class F>
    static bool with(const void* data, F f)
    {
        const auto* payload = static_cast<const KyEventPayload*>(data);
        if (!payload || payload->type != typeid(T))
            return false;
        f(*static_cast<const T*>(payload->value));
        return true;
    }

    template <class... E>
    static bool deliverExtra(Events& events, [[maybe_unused]] int key, [[maybe_unused]] const void* data, std::tuple<E...>*)
    {
        return (with<E>(data, [&](const E& v) { static_cast<KyExtraEvents<E>&>(events).extraArrived(key, v); }) ||
                ...);
    }

    static bool deliver(Events& events, int event, int id, const void* data)
    {
        switch (event) {
        case EV_LIST:
            return with<std::vector<Rec>>(data, [&](const std::vector<Rec>& v) { events.listArrived(id, v); });
        case EV_CHANGED:
            return with<Change>(data, [&](const Change& v) { events.recordChanged(id, v); });
        case EV_REMOVED:
            return with<int>(data, [&](int key) { events.recordRemoved(id, key); });
        case EV_REMOVE_FAILED:
            return with<std::string>(data, [&](const std::string& v) { events.removeFailed(id, v); });
        case EV_EXTRA:
            return deliverExtra(events, id, data, static_cast<typename Events::ExtraTypes*>(nullptr));
        default:
            return false;
        }
    }
};
