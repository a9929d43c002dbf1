#include "sync/nts_key_exchange.h"

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <QHostAddress>
#include <cstring>

#include "sync/nts_aead.h"

namespace horavia {

// The TLS engine of one exchange, reading from and writing to memory buffers that the socket
// fills and empties. The context (and the trust store it loaded) serves every exchange.
struct NtsKeyExchange::Tls {
    SSL_CTX* context = nullptr;
    SSL* ssl = nullptr;
    BIO* fromServer = nullptr;  // owned by ssl
    BIO* toServer = nullptr;    // owned by ssl
    bool handshakeDone = false;

    ~Tls() {
        EndSession();
        SSL_CTX_free(context);
    }
    void EndSession() {
        SSL_free(ssl);
        ssl = nullptr;
        fromServer = toServer = nullptr;
        handshakeDone = false;
    }
};

namespace {

constexpr qint64 kLargestTlsRecord = 16 * 1024 + 256;

std::string LibraryError() {
    const unsigned long code = ERR_get_error();
    ERR_clear_error();
    const char* reason = code != 0 ? ERR_reason_error_string(code) : nullptr;
    return reason != nullptr ? reason : "no reason given";
}

SSL_CTX* NewClientContext() {
    SSL_CTX* context = SSL_CTX_new(TLS_client_method());
    if (context == nullptr) return nullptr;
    // RFC 8915 asks for TLS 1.3 at least; the system's trust store, which SSL_CERT_FILE and
    // SSL_CERT_DIR override as for any program using the library.
    if (SSL_CTX_set_min_proto_version(context, TLS1_3_VERSION) != 1 ||
        SSL_CTX_set_default_verify_paths(context) != 1) {
        SSL_CTX_free(context);
        return nullptr;
    }
    SSL_CTX_set_verify(context, SSL_VERIFY_PEER, nullptr);
    return context;
}

// The name or the address the certificate has to be for.
bool ExpectPeer(SSL* ssl, const std::string& host) {
    if (!QHostAddress(QString::fromStdString(host)).isNull()) {
        return X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl), host.c_str()) == 1;
    }
    return SSL_set_tlsext_host_name(ssl, host.c_str()) == 1 &&
           SSL_set1_host(ssl, host.c_str()) == 1;
}

bool ExportKey(SSL* ssl, bool serverToClient, std::string& key) {
    key.assign(kNtsKeySize, '\0');
    const std::string context = NtsExporterContext(serverToClient);
    return SSL_export_keying_material(ssl, reinterpret_cast<unsigned char*>(key.data()), key.size(),
                                      kNtsExporterLabel, std::strlen(kNtsExporterLabel),
                                      reinterpret_cast<const unsigned char*>(context.data()),
                                      context.size(), 1) == 1;
}

}  // namespace

NtsKeyExchange::NtsKeyExchange(QObject* parent)
    : QObject(parent), socket_(this), connector_(socket_, this), tls_(std::make_unique<Tls>()) {
    qRegisterMetaType<NtsAssociation>();
    // However fast a server sends, no more than about one TLS record at a time is taken from
    // the system: the response is read, and cut short, as it comes.
    socket_.setReadBufferSize(kLargestTlsRecord);
    connect(&connector_, &TcpConnector::Connected, this, &NtsKeyExchange::OnConnected);
    connect(&connector_, &TcpConnector::Failed, this, [this] {
        if (running_) Fail("could not connect to " + host_);
    });
    connect(&socket_, &QTcpSocket::readyRead, this, &NtsKeyExchange::OnReadyRead);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &NtsKeyExchange::OnEnded);
    connect(&socket_, &QTcpSocket::disconnected, this, &NtsKeyExchange::OnEnded);
}

NtsKeyExchange::~NtsKeyExchange() = default;

void NtsKeyExchange::Start(const std::string& host, std::uint16_t port) {
    Abort();
    running_ = true;
    host_ = host;
    response_ = NtsKeResponseReader();
    requestSent_ = false;
    bytesSent_ = bytesReceived_ = 0;
    connector_.Start(QString::fromStdString(host), port);
}

void NtsKeyExchange::Abort() {
    running_ = false;
    ++generation_;
    connector_.Abort();
    socket_.abort();
    tls_->EndSession();
}

void NtsKeyExchange::OnConnected() {
    if (!running_) return;
    if (tls_->context == nullptr) tls_->context = NewClientContext();
    if (tls_->context != nullptr) tls_->ssl = SSL_new(tls_->context);
    if (tls_->ssl == nullptr) return Fail("the TLS library failed: " + LibraryError());
    tls_->fromServer = BIO_new(BIO_s_mem());
    tls_->toServer = BIO_new(BIO_s_mem());
    if (tls_->fromServer == nullptr || tls_->toServer == nullptr) {
        BIO_free(tls_->fromServer);
        BIO_free(tls_->toServer);
        tls_->fromServer = tls_->toServer = nullptr;
        return Fail("the TLS library failed: " + LibraryError());
    }
    SSL_set_bio(tls_->ssl, tls_->fromServer, tls_->toServer);
    static const unsigned char kAlpn[] = {7, 'n', 't', 's', 'k', 'e', '/', '1'};
    if (SSL_set_alpn_protos(tls_->ssl, kAlpn, sizeof kAlpn) != 0 || !ExpectPeer(tls_->ssl, host_)) {
        return Fail("the TLS library failed: " + LibraryError());
    }
    SSL_set_connect_state(tls_->ssl);
    Advance();
}

void NtsKeyExchange::OnReadyRead() {
    if (!running_ || tls_->ssl == nullptr) return;
    const QByteArray bytes = socket_.readAll();
    bytesReceived_ += bytes.size();
    BIO_write(tls_->fromServer, bytes.constData(), static_cast<int>(bytes.size()));
    Advance();
}

void NtsKeyExchange::OnEnded() {
    if (!running_ || tls_->ssl == nullptr) return;
    if (socket_.bytesAvailable() > 0) OnReadyRead();
    if (running_) Fail("the server closed the connection before the key exchange was over");
}

void NtsKeyExchange::Advance() {
    SSL* ssl = tls_->ssl;
    if (!tls_->handshakeDone) {
        ERR_clear_error();
        const int result = SSL_do_handshake(ssl);
        if (result != 1) {
            const int error = SSL_get_error(ssl, result);
            if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) return Flush();
            const long verdict = SSL_get_verify_result(ssl);
            Flush();  // the alert tells the server why
            if (verdict != X509_V_OK) {
                return Fail(std::string("the server's certificate was refused (") +
                            X509_verify_cert_error_string(verdict) + ")");
            }
            return Fail("the secure connection failed (" + LibraryError() + ")");
        }
        tls_->handshakeDone = true;
        const unsigned char* protocol = nullptr;
        unsigned int length = 0;
        SSL_get0_alpn_selected(ssl, &protocol, &length);
        if (protocol == nullptr ||
            std::string_view(reinterpret_cast<const char*>(protocol), length) != kNtsKeAlpn) {
            return Fail("the server does not offer NTS key establishment");
        }
    }
    if (!requestSent_) {
        const std::string request = BuildNtsKeRequest();
        if (SSL_write(ssl, request.data(), static_cast<int>(request.size())) <= 0) {
            return Fail("the secure connection failed (" + LibraryError() + ")");
        }
        requestSent_ = true;
    }
    // Each record is read once as it comes; reading stops as soon as the response is over
    // (or too long), whatever else the server is still sending.
    char buffer[4096];
    while (response_.Response().state == NtsKeResponse::State::Incomplete) {
        const int count = SSL_read(ssl, buffer, sizeof buffer);
        if (count > 0) {
            response_.Feed(std::string_view(buffer, static_cast<std::size_t>(count)));
            continue;
        }
        const int error = SSL_get_error(ssl, count);
        if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) break;
        if (error != SSL_ERROR_ZERO_RETURN) {
            return Fail("the secure connection failed (" + LibraryError() + ")");
        }
        break;  // the server closed the session; what came is all there is
    }
    const NtsKeResponse& response = response_.Response();
    if (response.state == NtsKeResponse::State::Failed) return Fail(response.problem);
    if (response.state == NtsKeResponse::State::Incomplete) return Flush();

    NtsAssociation association;
    if (!ExportKey(ssl, false, association.c2sKey) || !ExportKey(ssl, true, association.s2cKey)) {
        return Fail("the TLS library could not export the keys (" + LibraryError() + ")");
    }
    association.cookies = response.cookies;
    association.ntpServer = response.ntpServer.empty() ? host_ : response.ntpServer;
    association.ntpPort = response.ntpPort;
    SSL_shutdown(ssl);
    Flush();
    Finish(std::move(association));
}

void NtsKeyExchange::Flush() {
    if (tls_->toServer == nullptr) return;
    char buffer[4096];
    int count = 0;
    while ((count = BIO_read(tls_->toServer, buffer, sizeof buffer)) > 0) {
        bytesSent_ += socket_.write(buffer, count);
    }
    socket_.flush();
}

void NtsKeyExchange::Fail(const std::string& problem) {
    NtsAssociation association;
    association.problem = problem;
    Finish(std::move(association));
}

void NtsKeyExchange::Finish(NtsAssociation association) {
    if (!running_) return;
    running_ = false;
    connector_.Abort();
    socket_.disconnectFromHost();
    tls_->EndSession();
    QMetaObject::invokeMethod(
        this,
        [this, generation = generation_, association = std::move(association)] {
            if (generation == generation_) emit finished(association);
        },
        Qt::QueuedConnection);
}

}  // namespace horavia

// Its own moc output, so that a program using only the rest of this library does not link it.
#include "moc_nts_key_exchange.cpp"
