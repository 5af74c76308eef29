#include "KySocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

bool resolve(const std::string& host, int port, sockaddr_in& addr)
{
    std::memset(&addr, 0, sizeof addr);
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    if (inet_pton(AF_INET, host.c_str(), &addr.sin_addr) == 1)
        return true;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* res = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &res) != 0 || !res)
        return false;
    addr.sin_addr = reinterpret_cast<sockaddr_in*>(res->ai_addr)->sin_addr;
    freeaddrinfo(res);
    return true;
}

bool setBlocking(int fd, bool blocking)
{
    int flags = fcntl(fd, F_GETFL, 0);
    if (flags < 0)
        return false;
    flags = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return fcntl(fd, F_SETFL, flags) == 0;
}

// Waits for the non-blocking connect; true when it completed without error.
bool finishConnect(int fd, int timeoutMs)
{
    fd_set wr;
    FD_ZERO(&wr);
    FD_SET(fd, &wr);
    timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    int r;
    do {
        r = select(fd + 1, nullptr, &wr, nullptr, &tv);
    } while (r < 0 && errno == EINTR);
    if (r <= 0) {
        if (r == 0)
            errno = ETIMEDOUT;
        return false;
    }
    int err = 0;
    socklen_t len = sizeof err;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0 || err != 0) {
        errno = err;
        return false;
    }
    return true;
}

} // namespace

KySocket::~KySocket()
{
    close();
}

bool KySocket::connectTo(const std::string& host, int port, int timeoutMs)
{
    close();
    sockaddr_in addr;
    if (port <= 0 || port > 65535 || !resolve(host, port, addr)) {
        std::fprintf(stderr, "connect %s:%d failed: bad address\n", host.c_str(), port);
        return false;
    }
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || fd >= FD_SETSIZE) {
        std::fprintf(stderr, "socket failed: %s\n", std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    bool ok = setBlocking(fd, false);
    if (ok && ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        ok = (errno == EINPROGRESS) && finishConnect(fd, timeoutMs);
    if (!ok) {
        std::fprintf(stderr, "connect %s:%d failed: %s\n", host.c_str(), port, std::strerror(errno));
        ::close(fd);
        return false;
    }
    int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    timeval sendTimeout{3, 0};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &sendTimeout, sizeof sendTimeout);
    setBlocking(fd, true);
    m_fd = fd;
    return true;
}

bool KySocket::sendAll(const char* data, size_t size)
{
    std::lock_guard<std::mutex> lock(m_sendMutex);
    int fd = m_fd.load();
    if (fd < 0)
        return false;
    while (size > 0) {
        ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            std::fprintf(stderr, "send failed: %s\n", std::strerror(errno));
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

int KySocket::waitReadable(int timeoutMs)
{
    int fd = m_fd.load();
    if (fd < 0)
        return -1;
    fd_set rd;
    FD_ZERO(&rd);
    FD_SET(fd, &rd);
    timeval tv{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    int r = select(fd + 1, &rd, nullptr, nullptr, &tv);
    if (r < 0)
        return errno == EINTR ? 0 : -1;
    return r > 0 ? 1 : 0;
}

long KySocket::receive(char* buf, size_t size)
{
    int fd = m_fd.load();
    if (fd < 0)
        return -1;
    ssize_t n = ::recv(fd, buf, size, 0);
    if (n < 0)
        return (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) ? -2 : -1;
    return static_cast<long>(n);
}

void KySocket::shutdownBoth()
{
    int fd = m_fd.load();
    if (fd >= 0)
        ::shutdown(fd, SHUT_RDWR);
}

void KySocket::close()
{
    std::lock_guard<std::mutex> lock(m_sendMutex);
    int fd = m_fd.exchange(-1);
    if (fd >= 0)
        ::close(fd);
}
