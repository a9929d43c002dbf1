#include "ui/main/message_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>

#include "ui/main/reason_text.h"

namespace horavia {

namespace {

// The translated text of a message, %n already filled from its count.
QString SourceText(MessageId id, int n) {
    switch (id) {
        case MessageId::EmptyLine:
            return {};
        case MessageId::NoZones:
            return QCoreApplication::translate("Message", "No timezone information found !");
        case MessageId::SettingUnreadable:
            //: A stored setting that could not be read: %1 the reading routine, %2 the
            //: application, %3 the section, %4 the key, %5 the default, %6 the stored text.
            return QCoreApplication::translate("Message", "%1(%2, %3, %4, %5) = %6");
        case MessageId::SettingsNotRead:
            //: %1 the settings file, %2 the system's reason (not translated).
            return QCoreApplication::translate(
                "Message",
                "The settings could not be read from\n%1\n(%2).\n\nHoravia works with its "
                "default settings for now and leaves this file as it is.");
        case MessageId::SettingsNotSaved:
            //: %1 the settings file, %2 the system's reason (not translated).
            return QCoreApplication::translate(
                "Message",
                "The settings could not be saved to\n%1\n(%2).\n\nHoravia keeps working "
                "with your settings and tries again at the next save.");
        case MessageId::SettingsNotReadLine:
            //: One line on standard error: %1 the settings file, %2 the system's reason.
            return QCoreApplication::translate("Message",
                                               "cannot read the settings file \"%1\": %2");
        case MessageId::SettingsNotSavedLine:
            //: One line on standard error: %1 the settings file, %2 the system's reason.
            return QCoreApplication::translate("Message",
                                               "cannot save the settings file \"%1\": %2");
        case MessageId::RunningAsRootLine:
            //: One line on standard error when the program starts as the superuser (root),
            //: perhaps with another user's configuration folder.
            return QCoreApplication::translate(
                "Message",
                "running as root: symbolic links to the settings are followed only when root "
                "owns them");
        case MessageId::ClockLimit:
            return QCoreApplication::translate(
                "Message",
                "More than %n clocks are stored. Only the first %n are shown, and changes "
                "to the clock list are not saved, so that none of the others is lost.",
                nullptr, n);
        case MessageId::ClockOffByHours:
            //: The computer's clock is about %n whole hours away from a time server's.
            return QCoreApplication::translate(
                "Message",
                "Local time is %n hour(s) off.\nCheck wether your local timezone is set up "
                "correctly!",
                nullptr, n);
        case MessageId::SyncQuestion:
            //: Asked before the computer's clock is set from a time server; keep the short
            //: lines.
            return QCoreApplication::translate(
                "Message",
                "The difference between local and atomic time\nis %n minutes. Should the "
                "local\ntime be updated ?",
                nullptr, n);
        case MessageId::SetClockFailed:
            return QCoreApplication::translate(
                "Message",
                "Failed setting new date/time. In Windows NT/XP, you need Administrator "
                "privileges for this!");
        case MessageId::AutomaticSyncOn:
            return QCoreApplication::translate(
                "Message",
                "The computer's clock was not set: the system keeps it synchronised itself "
                "(automatic time synchronisation is on).");
        case MessageId::NotAuthorised:
            return QCoreApplication::translate(
                "Message",
                "Failed setting new date/time: you are not allowed to change the system "
                "clock.");
        case MessageId::DateTimeServiceSilent:
            return QCoreApplication::translate(
                "Message",
                "The computer's clock was not set: the system's date-time service did not "
                "answer.");
        case MessageId::AnswerDisagreed:
            return QCoreApplication::translate(
                "Message",
                "The computer's clock was not set: the time server's second answer did not "
                "agree with the difference you confirmed.");
        case MessageId::ServerSilent:
            return QCoreApplication::translate("Message", "The time server did not answer.");
        case MessageId::ClockNotChanged:
            return QCoreApplication::translate("Message", "The computer's clock was not changed.");
        case MessageId::DifferenceConfirmed:
            //: %1 seconds, server minus computer ("s" is the unit).
            return QCoreApplication::translate("Message", "Difference you confirmed: %1 s");
        case MessageId::DifferenceConfirmedMs:
            //: %1 seconds, %2 milliseconds, server minus computer.
            return QCoreApplication::translate("Message", "Difference you confirmed: %1 s (%2 ms)");
        case MessageId::DifferenceSecondAnswer:
            //: %1 seconds, server minus computer ("s" is the unit).
            return QCoreApplication::translate("Message", "Difference in the second answer: %1 s");
        case MessageId::DifferenceSecondAnswerMs:
            //: %1 seconds, %2 milliseconds, server minus computer.
            return QCoreApplication::translate("Message",
                                               "Difference in the second answer: %1 s (%2 ms)");
        case MessageId::DifferenceWithLocalTime:
            //: %1 seconds, server minus computer ("s" is the unit).
            return QCoreApplication::translate("Message", "Difference with local time: %1 s");
        case MessageId::DifferenceWithLocalTimeMs:
            //: %1 seconds, %2 milliseconds, server minus computer.
            return QCoreApplication::translate("Message",
                                               "Difference with local time: %1 s (%2 ms)");
        case MessageId::RefusesClient:
            return QCoreApplication::translate(
                "Message",
                "The time server refuses to answer this computer; it will not be asked "
                "again while Horavia runs.");
        case MessageId::Unsynchronised:
            return QCoreApplication::translate(
                "Message", "The time server is not synchronised; its time was not used.");
        case MessageId::IncompleteAnswer:
            return QCoreApplication::translate("Message",
                                               "The time server sent an incomplete answer.");
        case MessageId::AskLessOften:
            return QCoreApplication::translate(
                "Message",
                "The time server asks to be queried less often; it will not be asked again "
                "for %n minute(s).",
                nullptr, n);
        case MessageId::ConnectionFailed:
            return QCoreApplication::translate("Message", "Connection failed!");
        case MessageId::NtsKeyExchangeFailed:
            //: NTS: Network Time Security. %1 the technical reason, in English.
            return QCoreApplication::translate("Message", "NTS key exchange failed: %1");
        case MessageId::NtsKeyExchangeTimedOut:
            //: NTS: Network Time Security. %1 seconds ("s" is the unit).
            return QCoreApplication::translate("Message",
                                               "NTS key exchange failed: no answer within %1 s");
        case MessageId::TimeQueriesNotLoaded:
            //: The program's own part that asks time servers could not be loaded. %1 the
            //: reason, in English.
            return QCoreApplication::translate("Message",
                                               "The time queries could not be loaded: %1");
        case MessageId::ServerName:
            //: %1 a time server's name.
            return QCoreApplication::translate("Message", "Name: %1");
        case MessageId::ResponseTime:
            //: %1 milliseconds the time server took to answer.
            return QCoreApplication::translate("Message", "Respons time: %1 ms");
        case MessageId::AuthenticatedYes:
            //: The time server's answer was authenticated by Network Time Security.
            return QCoreApplication::translate("Message", "Authenticated: yes (NTS)");
        case MessageId::AuthenticatedNo:
            return QCoreApplication::translate("Message", "Authenticated: no");
        case MessageId::Offset:
            //: %1 milliseconds the server is ahead of the computer, one decimal.
            return QCoreApplication::translate("Message", "Offset: %1 ms");
        case MessageId::RoundTripDelay:
            //: %1 milliseconds, one decimal.
            return QCoreApplication::translate("Message", "Round-trip delay: %1 ms");
        case MessageId::UseThisServer:
            //: Followed by the server's name, response time and difference.
            return QCoreApplication::translate("Message", "Do you want to use this server :");
        case MessageId::NoActiveServers:
            return QCoreApplication::translate(
                "Message", "No active servers found...\nCheck your internet connection!");
        case MessageId::DeleteClockQuestion:
            //: A clock of the list, shown with its zone.
            return QCoreApplication::translate(
                "Message", "Are you sure you want to delete this timezone permanently ?");
        case MessageId::CannotConvertFrom:
            //: %1 the zone's name as the list shows it.
            return QCoreApplication::translate("Message",
                                               "Timezone '%1' can not be used to convert from.");
        case MessageId::HelpNotWritten:
            //: %1 a folder.
            return QCoreApplication::translate(
                "Message", "The help page could not be written into the folder\n%1");
        case MessageId::NoBrowserForHelp:
            //: %1 the help file.
            return QCoreApplication::translate(
                "Message",
                "No web browser could be started to show the help.\nThe help is in this "
                "file:\n%1");
        case MessageId::PlannedTimeSkipped:
            //: %1 a time, %2 a date, %3 a clock's label, %4 and %5 the times the clock went
            //: from and to when it was set forward.
            return QCoreApplication::translate(
                "Message", "%1 does not exist on %2 in %3: clocks went from %4 to %5");
        case MessageId::PlannedTimeRepeated:
            //: %1 a time, %2 a date, %3 a clock's label, %4 and %5 the times the clock went
            //: from and to when it was set back.
            return QCoreApplication::translate(
                "Message",
                "%1 happens twice on %2 in %3 (clocks went back from %4 to %5): the first is "
                "shown");
    }
    return {};
}

// %1 ... %99 replaced by the arguments in one pass, so that an argument holding "%2" stays as
// it is; a number without an argument stays too.
QString FillArguments(const QString& text, const std::vector<std::string>& args) {
    QString filled;
    filled.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1].isDigit()) {
            qsizetype end = i + 1;
            int number = 0;
            while (end < text.size() && text[end].isDigit() && end - i <= 2) {
                number = number * 10 + text[end].digitValue();
                ++end;
            }
            if (number >= 1 && static_cast<std::size_t>(number) <= args.size()) {
                filled += QString::fromStdString(args[static_cast<std::size_t>(number - 1)]);
                i = end - 1;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

}  // namespace

QString MessageText(const Message& message) {
    const int n = message.count
                      ? static_cast<int>(std::clamp<std::int64_t>(*message.count, INT_MIN, INT_MAX))
                      : -1;
    const bool givesReason = message.id == MessageId::NtsKeyExchangeFailed ||
                             message.id == MessageId::TimeQueriesNotLoaded;
    if (givesReason && !message.args.empty()) {
        std::vector<std::string> args = message.args;
        args[0] = ReasonText(args[0]).toStdString();
        return FillArguments(SourceText(message.id, n), args);
    }
    return FillArguments(SourceText(message.id, n), message.args);
}

QString MessageText(const MessageLines& lines) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const Message& line : lines) texts.append(MessageText(line));
    return texts.join(u'\n');
}

std::string MessageUtf8(const MessageLines& lines) {
    return MessageText(lines).toStdString();
}

}  // namespace horavia
