#include "ui/main/reason_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace horavia {

namespace {

// The reasons as they are made, each %1 standing for a part that is not translated (a host, a
// number, the TLS library's or the system's text).
constexpr const char* kReasons[] = {
    // Why the time queries' part did not load.
    QT_TRANSLATE_NOOP("Reason", "the file is missing"),
    QT_TRANSLATE_NOOP("Reason", "the file is empty"),
    QT_TRANSLATE_NOOP("Reason", "the file is truncated"),
    QT_TRANSLATE_NOOP("Reason", "the file is damaged"),
    QT_TRANSLATE_NOOP("Reason", "it is a folder"),
    QT_TRANSLATE_NOOP("Reason", "it is not a regular file"),
    QT_TRANSLATE_NOOP("Reason", "it is not a shared library"),
    QT_TRANSLATE_NOOP("Reason", "it is built for another kind of computer"),
    QT_TRANSLATE_NOOP("Reason", "its path is not absolute"),
    QT_TRANSLATE_NOOP("Reason", "the system could not load it"),
    //: %1 the interface the file offers, %2 the one the program needs (technical names).
    QT_TRANSLATE_NOOP("Reason",
                      "it is not a loadable part for this program (interface %1, needs %2)"),
    // Why an NTS key exchange failed.
    //: %1 the time server's name.
    QT_TRANSLATE_NOOP("Reason", "could not connect to %1"),
    //: %1 the TLS library's own reason, in English.
    QT_TRANSLATE_NOOP("Reason", "the TLS library failed: %1"),
    //: %1 the TLS library's own reason, in English.
    QT_TRANSLATE_NOOP("Reason", "the TLS library could not export the keys (%1)"),
    //: %1 the TLS library's own reason, in English.
    QT_TRANSLATE_NOOP("Reason", "the secure connection failed (%1)"),
    //: %1 the TLS library's own reason, in English.
    QT_TRANSLATE_NOOP("Reason", "the server's certificate was refused (%1)"),
    QT_TRANSLATE_NOOP("Reason",
                      "the server closed the connection before the key exchange was over"),
    QT_TRANSLATE_NOOP("Reason", "the server does not offer NTS key establishment"),
    QT_TRANSLATE_NOOP("Reason", "the server did not recognise a critical record"),
    QT_TRANSLATE_NOOP("Reason", "the server called the request bad"),
    QT_TRANSLATE_NOOP("Reason", "the server had an internal error"),
    //: %1 the error's number.
    QT_TRANSLATE_NOOP("Reason", "the server reported error %1"),
    QT_TRANSLATE_NOOP("Reason", "the server reported an error"),
    QT_TRANSLATE_NOOP("Reason", "the server sent a warning"),
    //: %1 the most records the program reads.
    QT_TRANSLATE_NOOP("Reason", "the server sent more than %1 key-exchange records"),
    //: %1 the most kibibytes the program reads.
    QT_TRANSLATE_NOOP("Reason", "the server sent more than %1 KiB of key-exchange records"),
    QT_TRANSLATE_NOOP("Reason", "the server offered no time protocol"),
    QT_TRANSLATE_NOOP("Reason", "the server offered no cipher"),
    QT_TRANSLATE_NOOP("Reason", "the server sent no cookies"),
    QT_TRANSLATE_NOOP("Reason", "the server does not offer NTPv4"),
    QT_TRANSLATE_NOOP("Reason", "the server does not offer AES-SIV-CMAC-256"),
    //: %1 the largest cookie the program takes, in bytes.
    QT_TRANSLATE_NOOP("Reason", "the server sent a cookie larger than %1 bytes"),
    QT_TRANSLATE_NOOP("Reason", "the server named no NTP server"),
    QT_TRANSLATE_NOOP("Reason", "the server named an unreadable NTP server"),
    QT_TRANSLATE_NOOP("Reason", "the server named an unreadable NTP port"),
    QT_TRANSLATE_NOOP("Reason", "the server sent an unknown critical record"),
};

struct ReasonPattern {
    const char* source;
    QRegularExpression english;  // the whole reason, each %N a group
};

const std::vector<ReasonPattern>& Patterns() {
    static const std::vector<ReasonPattern> patterns = [] {
        std::vector<ReasonPattern> made;
        for (const char* source : kReasons) {
            // The words as they are, each %N any text.
            QStringList words =
                QString::fromUtf8(source).split(QRegularExpression(QStringLiteral("%\\d")));
            for (QString& word : words) word = QRegularExpression::escape(word);
            const QString pattern = words.join(QStringLiteral("(.+)"));
            made.push_back(
                {source, QRegularExpression(QRegularExpression::anchoredPattern(pattern))});
        }
        return made;
    }();
    return patterns;
}

}  // namespace

QString ReasonText(const std::string& reason) {
    const QString english = QString::fromStdString(reason);
    for (const ReasonPattern& pattern : Patterns()) {
        const QRegularExpressionMatch match = pattern.english.match(english);
        if (!match.hasMatch()) continue;
        QString text = QCoreApplication::translate("Reason", pattern.source);
        // All parts in one pass, so that a part holding "%2" stays as it is.
        if (match.lastCapturedIndex() == 1) text = text.arg(match.captured(1));
        if (match.lastCapturedIndex() == 2) text = text.arg(match.captured(1), match.captured(2));
        return text;
    }
    return english;
}

}  // namespace horavia
