#include <winsock2.h>
#include <ws2tcpip.h>

#include <string>

#include "platform/native_tcp.h"

namespace horavia {
namespace {

// Winsock must be started once per process before any other socket call.
bool WinsockReady() {
    static const bool ready = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return ready;
}

}  // namespace

NativeSocket StartNativeConnect(const std::string& numericAddress, std::uint16_t port) {
    if (!WinsockReady()) return kNoNativeSocket;
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
    const SOCKET s = socket(found->ai_family, SOCK_STREAM, IPPROTO_TCP);
    if (s != INVALID_SOCKET) {
        u_long nonBlocking = 1;
        if (ioctlsocket(s, static_cast<long>(FIONBIO), &nonBlocking) == 0 &&
            (connect(s, found->ai_addr, static_cast<int>(found->ai_addrlen)) == 0 ||
             WSAGetLastError() == WSAEWOULDBLOCK)) {
            result = static_cast<NativeSocket>(s);
        } else {
            closesocket(s);
        }
    }
    freeaddrinfo(found);
    return result;
}

bool NativeConnectSucceeded(NativeSocket socket) {
    const auto s = static_cast<SOCKET>(socket);
    int error = 0;
    int length = sizeof error;
    if (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0 ||
        error != 0) {
        return false;
    }
    // A connection that was reset after its error was read has no peer any more.
    sockaddr_storage peer{};
    int peerLength = sizeof peer;
    return getpeername(s, reinterpret_cast<sockaddr*>(&peer), &peerLength) == 0;
}

void CloseNativeSocket(NativeSocket socket) {
    if (socket != kNoNativeSocket) closesocket(static_cast<SOCKET>(socket));
}

}  // namespace horavia
