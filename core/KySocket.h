#pragma once

#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>

// TCP client socket over POSIX sockets. One thread reads (waitReadable,
// receive); any thread may send. close() must not race with a reader.
class KySocket {
public:
    KySocket() = default;
    ~KySocket();
    KySocket(const KySocket&) = delete;
    KySocket& operator=(const KySocket&) = delete;

    // Non-blocking connect completed with select within timeoutMs, then
    // SO_KEEPALIVE and blocking mode with a send time-out.
    bool connectTo(const std::string& host, int port, int timeoutMs = 3000);
    // Writes all bytes (partial writes, EINTR); false when the socket is
    // closed or the write failed.
    bool sendAll(const char* data, size_t size);
    bool sendAll(const std::string& text) { return sendAll(text.data(), text.size()); }
    // 1 readable, 0 time-out, -1 closed or failed.
    int waitReadable(int timeoutMs);
    // >0 bytes read, 0 closed by the peer, -1 failed; EINTR/EAGAIN give -2.
    long receive(char* buf, size_t size);
    // Ends both directions without releasing the descriptor, so a reader in
    // another thread sees the end of the stream.
    void shutdownBoth();
    void close();
    bool isOpen() const { return m_fd.load() >= 0; }

private:
    std::atomic<int> m_fd{-1};
    std::mutex m_sendMutex;  // one writer at a time; close waits for it
};
