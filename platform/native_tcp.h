// A non-blocking TCP connect done with the operating system's own calls. Qt's socket checks a
// pending connect by calling connect() again, which after a reset during the handshake starts a
// new connection instead of reporting the failure; here the outcome is read once, as an error
// code, so every address gets exactly one attempt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace horavia {

using NativeSocket = std::intptr_t;
inline constexpr NativeSocket kNoNativeSocket = -1;

// Opens a non-blocking TCP socket and starts connecting it to a numeric IPv4 or IPv6 address
// (an IPv6 address may carry a scope, "fe80::1%eth0"). Returns the socket, whose connect is
// under way or already done, or kNoNativeSocket when the attempt failed at once.
NativeSocket StartNativeConnect(const std::string& numericAddress, std::uint16_t port);

// Once the socket has become writable: true when the connection stands, false when it failed
// (refused, reset, unreachable, timed out). Never starts another attempt.
bool NativeConnectSucceeded(NativeSocket socket);

void CloseNativeSocket(NativeSocket socket);

// The numeric addresses of a host name (already in its ASCII form) in the order the system's
// resolver gives them, each once; empty when the name does not resolve. Blocks for as long as
// the resolver takes: call it away from the user-interface thread.
std::vector<std::string> ResolveHostAddresses(const std::string& asciiHost);

}  // namespace horavia
