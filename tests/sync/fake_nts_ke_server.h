// An NTS key-exchange server on 127.0.0.1 for tests: TLS 1.3 with the "ntske/1" protocol and
// a certificate for 127.0.0.1 made on the spot, on a thread of its own with blocking sockets.
// It answers one connection with the response it was given, which may never end.
#pragma once

#include <openssl/types.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>

namespace horavia::test {

// What the server sends once the client's request is in: head, then record repeated (without
// end when repeats is 0, until the client goes away, 512 MiB or 5 s), then tail.
struct ServedKeResponse {
    std::string head;
    std::string record;
    std::size_t repeats = 0;
    std::string tail;
};

// A key-establishment record of type (critical bit included) with body.
std::string KeRecord(std::uint16_t type, std::string_view body);

class FakeNtsKeServer {
  public:
    explicit FakeNtsKeServer(ServedKeResponse response);
    ~FakeNtsKeServer();
    FakeNtsKeServer(const FakeNtsKeServer&) = delete;
    FakeNtsKeServer& operator=(const FakeNtsKeServer&) = delete;

    // False when the certificate could not be made or no port bound.
    bool Ready() const { return listening_ >= 0 && !certificateFile_.empty(); }
    std::uint16_t Port() const { return port_; }
    // The certificate, to be trusted through SSL_CERT_FILE.
    const std::string& CertificateFile() const { return certificateFile_; }
    // Bytes of records the server sent, so far.
    std::int64_t BytesSent() const { return sent_.load(); }

  private:
    void Serve();

    ServedKeResponse response_;
    std::string folder_;
    std::string certificateFile_;
    SSL_CTX* context_ = nullptr;
    int listening_ = -1;
    std::atomic<int> connection_{-1};
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<std::int64_t> sent_{0};
    std::thread thread_;
};

}  // namespace horavia::test
