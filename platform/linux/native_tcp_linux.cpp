#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/native_tcp.h"

namespace horavia {

NativeSocket StartNativeConnect(const std::string& numericAddress, std::uint16_t port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;  // never a name lookup here
    addrinfo* found = nullptr;
    if (getaddrinfo(numericAddress.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 ||
        found == nullptr) {
        return kNoNativeSocket;
    }
    NativeSocket result = kNoNativeSocket;
    const int fd = socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0) {
        if (connect(fd, found->ai_addr, found->ai_addrlen) == 0 || errno == EINPROGRESS) {
            result = fd;
        } else {
            close(fd);
        }
    }
    freeaddrinfo(found);
    return result;
}

bool NativeConnectSucceeded(NativeSocket socket) {
    const int fd = static_cast<int>(socket);
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) return false;
    // A connection that was reset after its error was read has no peer any more.
    sockaddr_storage peer{};
    socklen_t peerLength = sizeof peer;
    return getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) == 0;
}

void CloseNativeSocket(NativeSocket socket) {
    if (socket >= 0) close(static_cast<int>(socket));
}

}  // namespace horavia
