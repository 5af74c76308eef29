#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

struct KyDbpMessage;

// Base of every protocol manager. The hub offers replies by request type and
// pushes by name; all of these run in the receive thread.
class KyBaseMgr {
public:
    // Plain callback a list manager registers: an event code of the manager's
    // own choosing, an id, and a pointer to manager-specific data.
    using Callback = std::function<void(int event, int id, const void* data)>;

    explicit KyBaseMgr(const std::string& name);
    virtual ~KyBaseMgr();

    const std::string& name() const { return m_name; }

    // Request types this manager owns (client-internal numbers).
    void addReplyType(int requestType) { addReplyTypes(requestType, requestType); }
    void addReplyTypes(int first, int last);
    bool ownsRequestType(int requestType) const
    {
        for (const auto& range : m_replyTypes)
            if (requestType >= range.first && requestType <= range.second)
                return true;
        return false;
    }
    // A request type (owned from now on) whose reply is a whole list: it is
    // still applied when it comes after its request timed out.
    void addListType(int requestType);
    bool isListType(int requestType) const;

    // Registering twice replaces, never adds a second callback.
    void setCallback(Callback cb);
    bool hasCallback() const;
    void callback(int event, int id, const void* data) const;

    // A "DBP/1.0 200" reply to one of this manager's requests.
    virtual void onReply(int requestType, const KyDbpMessage& msg);
    // A reply with any other status (body may carry a result text).
    virtual void onFailedRequest(int requestType, int resultCode, const KyDbpMessage& msg);
    // A "DBP/1.0 200" list reply that came after its request timed out; the
    // default handles it as onReply.
    virtual void onLateListReply(int requestType, const KyDbpMessage& msg);
    // A push offered under pushName (msg.pushName()); returns true when this
    // manager took it. The default sends "DELETE_<Kind>" to onNotification
    // and everything else to parseBody.
    virtual bool onPush(const KyDbpMessage& msg, const std::string& pushName);
    // Body of a push with rows; returns true when taken.
    virtual bool parseBody(const std::string& pushName, const std::string& body);
    // Named notification ("DELETE_MicGroup", ...); returns true when taken.
    virtual bool onNotification(const std::string& name, const std::string& body);
    // Whether this manager handles messages of a given push name.
    virtual bool handlesCode(const std::string& pushName) const;

private:
    std::string m_name;
    std::vector<std::pair<int, int>> m_replyTypes;   // inclusive ranges
    std::vector<int> m_listTypes;
    Callback m_callback;
    mutable std::mutex m_cbMutex;  // guards m_callback
};
