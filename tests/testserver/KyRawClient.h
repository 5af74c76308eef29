#pragma once

// A bare DBP client over a POSIX socket for the stand-in server's tests:
// writes request text, frames what comes back with the console's framer.

#include <arpa/inet.h>
#include <chrono>
#include <deque>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QMessageAuthenticationCode>

#include "KyCommandRequest.h"
#include "KyDbpFramer.h"
#include "KyJson.h"

class KyRawClient {
public:
    ~KyRawClient()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool connectTo(int port)
    {
        m_fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<uint16_t>(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return m_fd >= 0 && ::connect(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    }

    bool sendRaw(const std::string& text)
    {
        return ::send(m_fd, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size());
    }

    // Gives the request the next CSeq and writes it; returns the CSeq.
    int send(KyCommandRequest req)
    {
        req.setCSeq(++m_cseq);
        sendRaw(req.toString());
        return m_cseq;
    }

    // Next framed message; false when none came within timeoutMs.
    bool next(KyDbpMessage& out, int timeoutMs = 3000)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (m_queue.empty()) {
            int left = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                            deadline - std::chrono::steady_clock::now())
                                            .count());
            if (left <= 0 || m_closed)
                return false;
            pollfd p{m_fd, POLLIN, 0};
            if (poll(&p, 1, left) <= 0)
                continue;
            char buf[65536];
            ssize_t n = ::recv(m_fd, buf, sizeof buf, 0);
            if (n <= 0) {
                m_closed = true;
                return false;
            }
            chunks.push_back(static_cast<size_t>(n));
            std::vector<KyDbpMessage> msgs;
            framer.feed(buf, static_cast<size_t>(n), msgs);
            for (auto& m : msgs)
                m_queue.push_back(std::move(m));
        }
        out = std::move(m_queue.front());
        m_queue.pop_front();
        return true;
    }

    // Sends and returns the reply with this request's CSeq; messages that
    // come before it (pushes, other replies) are appended to before.
    KyDbpMessage request(const KyCommandRequest& req, std::vector<KyDbpMessage>* before = nullptr,
                         int timeoutMs = 3000)
    {
        int cseq = send(req);
        KyDbpMessage m;
        while (next(m, timeoutMs)) {
            if (m.isReply && m.cseq == cseq)
                return m;
            if (before)
                before->push_back(m);
        }
        return KyDbpMessage();
    }

    // True when the peer closed the connection within timeoutMs.
    bool waitClosed(int timeoutMs)
    {
        KyDbpMessage m;
        while (next(m, timeoutMs)) {
        }
        return m_closed;
    }

    static std::string digest(const std::string& password, const std::string& nonce)
    {
        return QMessageAuthenticationCode::hash(QByteArray::fromStdString(nonce),
                                                QByteArray::fromStdString(password), QCryptographicHash::Sha1)
            .toHex()
            .toStdString();
    }

    static KyCommandRequest loginStep(const Json::Value& body)
    {
        return KyCommandRequest("LOGIN", "Login", std::string(), kyJsonWrite(body));
    }

    // Both login steps; the second reply.
    KyDbpMessage login(const std::string& user, const std::string& password)
    {
        Json::Value step1(Json::objectValue), reply;
        step1["User"] = user;
        KyDbpMessage r1 = request(loginStep(step1));
        kyJsonParse(r1.body, reply);
        Json::Value step2 = step1;
        step2["Nonce"] = kyJsonText(reply, "Nonce");
        step2["Digest"] = digest(password, kyJsonText(reply, "Nonce"));
        return request(loginStep(step2));
    }

    static Json::Value json(const std::string& text)
    {
        Json::Value v;
        kyJsonParse(text, v);
        return v;
    }

    KyDbpFramer framer;
    std::vector<size_t> chunks;   // sizes of the reads

private:
    int m_fd = -1;
    int m_cseq = 0;
    bool m_closed = false;
    std::deque<KyDbpMessage> m_queue;
};
