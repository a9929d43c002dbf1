#include "fake_nts_ke_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace horavia::test {

namespace {

constexpr std::int64_t kMostBytes = std::int64_t{512} << 20;
constexpr auto kLongest = std::chrono::seconds(5);
constexpr std::size_t kBatch = 16 * 1024;

// A self-signed certificate for 127.0.0.1 with a fresh Ed25519 key, written to file; the key
// and certificate are handed to context.
bool MakeCertificate(SSL_CTX* context, const std::string& file) {
    EVP_PKEY* key = EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519");
    X509* cert = X509_new();
    bool made = key != nullptr && cert != nullptr;
    if (made) {
        X509_set_version(cert, 2);
        ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
        X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
        X509_gmtime_adj(X509_getm_notAfter(cert), 86400);
        X509_set_pubkey(cert, key);
        X509_NAME* name = X509_get_subject_name(cert);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
        X509_set_issuer_name(cert, name);
        X509V3_CTX v3{};
        X509V3_set_ctx_nodb(&v3);
        X509V3_set_ctx(&v3, cert, cert, nullptr, nullptr, 0);
        X509_EXTENSION* san =
            X509V3_EXT_conf_nid(nullptr, &v3, NID_subject_alt_name, "IP:127.0.0.1");
        made = san != nullptr && X509_add_ext(cert, san, -1) == 1 &&
               X509_sign(cert, key, nullptr) > 0 && SSL_CTX_use_certificate(context, cert) == 1 &&
               SSL_CTX_use_PrivateKey(context, key) == 1;
        X509_EXTENSION_free(san);
    }
    if (made) {
        FILE* out = std::fopen(file.c_str(), "w");
        made = out != nullptr && PEM_write_X509(out, cert) == 1;
        if (out != nullptr) made = std::fclose(out) == 0 && made;
    }
    X509_free(cert);
    EVP_PKEY_free(key);
    return made;
}

int SelectNtsKe(SSL*, const unsigned char** out, unsigned char* outLength, const unsigned char* in,
                unsigned int inLength, void*) {
    static const unsigned char kOurs[] = {7, 'n', 't', 's', 'k', 'e', '/', '1'};
    unsigned char* selected = nullptr;
    if (SSL_select_next_proto(&selected, outLength, kOurs, sizeof kOurs, in, inLength) !=
        OPENSSL_NPN_NEGOTIATED) {
        return SSL_TLSEXT_ERR_ALERT_FATAL;
    }
    *out = selected;
    return SSL_TLSEXT_ERR_OK;
}

}  // namespace

std::string KeRecord(std::uint16_t type, std::string_view body) {
    std::string record{static_cast<char>(type >> 8), static_cast<char>(type & 0xFF),
                       static_cast<char>(body.size() >> 8), static_cast<char>(body.size() & 0xFF)};
    return record.append(body);
}

FakeNtsKeServer::FakeNtsKeServer(ServedKeResponse response) : response_(std::move(response)) {
    std::signal(SIGPIPE, SIG_IGN);  // a client that goes away ends the sending, not the tests
    char folder[] = "/tmp/fake_nts_ke_XXXXXX";
    if (mkdtemp(folder) == nullptr) return;
    folder_ = folder;
    context_ = SSL_CTX_new(TLS_server_method());
    if (context_ == nullptr || SSL_CTX_set_min_proto_version(context_, TLS1_3_VERSION) != 1 ||
        !MakeCertificate(context_, folder_ + "/cert.pem")) {
        return;
    }
    SSL_CTX_set_alpn_select_cb(context_, SelectNtsKe, nullptr);
    certificateFile_ = folder_ + "/cert.pem";

    listening_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listening_ < 0 ||
        bind(listening_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listening_, 1) != 0 ||
        getsockname(listening_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listening_ >= 0) close(listening_);
        listening_ = -1;
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

FakeNtsKeServer::~FakeNtsKeServer() {
    // Whatever blocks on a socket returns once it is shut down.
    stopping_ = true;
    if (listening_ >= 0) shutdown(listening_, SHUT_RDWR);
    if (connection_ >= 0) shutdown(connection_, SHUT_RDWR);
    if (thread_.joinable()) thread_.join();
    if (connection_ >= 0) close(connection_);
    if (listening_ >= 0) close(listening_);
    SSL_CTX_free(context_);
    if (!certificateFile_.empty()) std::remove(certificateFile_.c_str());
    if (!folder_.empty()) rmdir(folder_.c_str());
}

void FakeNtsKeServer::Serve() {
    // The connection stays open until the destructor, which shuts it down to end a blocked
    // call and closes it after the thread is over.
    const int connection = accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) return;
    connection_ = connection;
    if (stopping_) return;  // the destructor may have missed it
    SSL* ssl = SSL_new(context_);
    SSL_set_fd(ssl, connection);
    // The client's request is three records, twelve bytes.
    std::string request;
    char buffer[64];
    if (SSL_accept(ssl) == 1) {
        while (request.size() < 12) {
            const int count = SSL_read(ssl, buffer, sizeof buffer);
            if (count <= 0) break;
            request.append(buffer, static_cast<std::size_t>(count));
        }
    }
    const auto started = std::chrono::steady_clock::now();
    const auto send = [&](const std::string& bytes) {
        if (bytes.empty()) return true;
        if (stopping_ || SSL_write(ssl, bytes.data(), static_cast<int>(bytes.size())) <= 0) {
            return false;
        }
        sent_ += static_cast<std::int64_t>(bytes.size());
        return true;
    };
    bool going = request.size() >= 12 && send(response_.head);
    std::string batch;
    for (std::size_t i = 0; going && (response_.repeats == 0 || i < response_.repeats); ++i) {
        batch += response_.record;
        if (batch.size() < kBatch && i + 1 != response_.repeats) continue;
        going = send(batch) && sent_ < kMostBytes &&
                std::chrono::steady_clock::now() - started < kLongest;
        batch.clear();
    }
    if (going) send(response_.tail);
    SSL_shutdown(ssl);
    SSL_free(ssl);
    shutdown(connection, SHUT_RDWR);  // the client sees the end
}

}  // namespace horavia::test
