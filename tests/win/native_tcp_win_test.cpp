// The non-blocking connect over Winsock: one attempt per address, its outcome read once.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include "platform/native_tcp.h"

namespace horavia {
namespace {

// A listening socket on 127.0.0.1 at a port the system chooses.
struct Listener {
    Listener() {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
        socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(socket, 4);
        int length = sizeof address;
        getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
    }
    ~Listener() {
        if (socket != INVALID_SOCKET) closesocket(socket);
        WSACleanup();
    }
    SOCKET socket = INVALID_SOCKET;
    std::uint16_t port = 0;
};

// Waits until the connect is settled: writable when it stands, an exception when it failed.
bool Settled(NativeSocket s) {
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(static_cast<SOCKET>(s), &writable);
    FD_SET(static_cast<SOCKET>(s), &failed);
    timeval wait{5, 0};
    return select(0, nullptr, &writable, &failed, &wait) > 0;
}

TEST(NativeTcp, ConnectsToAListenerAndReportsARefusalOnce) {
    std::uint16_t closedPort = 0;
    {
        Listener gone;  // a port that was free a moment ago and is closed now
        closedPort = gone.port;
    }
    Listener listener;
    const NativeSocket good = StartNativeConnect("127.0.0.1", listener.port);
    ASSERT_NE(good, kNoNativeSocket);
    ASSERT_TRUE(Settled(good));
    EXPECT_TRUE(NativeConnectSucceeded(good));
    CloseNativeSocket(good);

    const NativeSocket refused = StartNativeConnect("127.0.0.1", closedPort);
    ASSERT_NE(refused, kNoNativeSocket);
    ASSERT_TRUE(Settled(refused));
    EXPECT_FALSE(NativeConnectSucceeded(refused));
    CloseNativeSocket(refused);

    EXPECT_EQ(StartNativeConnect("not an address", 37), kNoNativeSocket);
}

}  // namespace
}  // namespace horavia
