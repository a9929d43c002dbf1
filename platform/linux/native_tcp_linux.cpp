#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
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

std::vector<std::string> ResolveHostAddresses(const std::string& asciiHost) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;  // one entry per address, not one per socket type
    hints.ai_flags = AI_ADDRCONFIG;   // no IPv6 addresses on a computer without IPv6
    addrinfo* found = nullptr;
    int result = getaddrinfo(asciiHost.c_str(), nullptr, &hints, &found);
    if (result == EAI_BADFLAGS) {
        hints.ai_flags = 0;
        result = getaddrinfo(asciiHost.c_str(), nullptr, &hints, &found);
    }
    std::vector<std::string> addresses;
    if (result != 0) return addresses;
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        char text[NI_MAXHOST];
        if (getnameinfo(a->ai_addr, a->ai_addrlen, text, sizeof text, nullptr, 0, NI_NUMERICHOST) !=
            0) {
            continue;
        }
        if (std::find(addresses.begin(), addresses.end(), text) == addresses.end()) {
            addresses.emplace_back(text);
        }
    }
    freeaddrinfo(found);
    return addresses;
}

}  // namespace horavia
