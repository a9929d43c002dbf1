// An NTS-protected NTP server on 127.0.0.1 (UDP) for tests, holding the keys a key exchange
// would have agreed, with the forgeries an attacker on the path may try.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QUdpSocket>
#include <string>
#include <vector>

namespace horavia::test {

class FakeNtsServer : public QObject {
    Q_OBJECT

  public:
    enum class Mode {
        Normal,                 // an authentic reply with new cookies
        TamperedAuthenticator,  // one byte of the authenticator's IV flipped
        TamperedCookie,         // one byte of the sealed new cookie flipped
        WrongUniqueId,          // sealed properly, but for another request's identifier
        Unauthenticated,        // a plain NTP reply without NTS fields
        Replay,                 // the reply to the previous request, sent again
        OtherPort,              // an authentic reply, sent from another port
        ForgedFirst,            // a tampered reply with a wild time, then an authentic one
        Nak,                    // a kiss-o'-death "NTSN" with the identifier
        AuthenticDeny,          // an authentic kiss-o'-death "DENY"
        UnauthenticatedDeny,    // a plain kiss-o'-death "DENY" without NTS fields
    };

    FakeNtsServer(std::string c2sKey, std::string s2cKey, QObject* parent = nullptr);
    bool Listen();  // on a free port of 127.0.0.1
    quint16 Port() const { return socket_.localPort(); }
    void SetMode(Mode mode) { mode_ = mode; }
    void SetOffsetMs(double ms) { offsetMs_ = ms; }

    // What the requests carried; those whose authenticator did not verify are not answered.
    int Requests() const { return requests_; }
    int AuthenticRequests() const { return authentic_; }
    const std::vector<std::string>& CookiesReceived() const { return cookies_; }
    int LastPlaceholders() const { return placeholders_; }

  private:
    void OnReadyRead();

    QUdpSocket socket_;
    QUdpSocket otherSocket_;
    std::string c2sKey_;
    std::string s2cKey_;
    Mode mode_ = Mode::Normal;
    double offsetMs_ = 0;
    int requests_ = 0;
    int authentic_ = 0;
    int placeholders_ = 0;
    int issued_ = 0;
    std::vector<std::string> cookies_;
    QByteArray previous_;
};

}  // namespace horavia::test
