// Every message renders in English: a missing case, or a %N the table forgot to fill, shows here.
#include "ui/main/message_text.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace horavia {
namespace {

TEST(MessageText, EveryMessageIsASentenceWithItsArgumentsFilled) {
    const std::vector<std::string> args{"<a1>", "<a2>", "<a3>", "<a4>", "<a5>", "<a6>"};
    const QRegularExpression unfilled(QStringLiteral("%[0-9n]"));
    for (int i = 0; i < kMessageIdCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        const QString text = MessageText(Message{id, args, 7});
        if (id == MessageId::EmptyLine) {
            EXPECT_TRUE(text.isEmpty());
            continue;
        }
        EXPECT_FALSE(text.isEmpty()) << "message " << i;
        EXPECT_FALSE(text.contains(unfilled)) << "message " << i << ": " << text.toStdString();
    }
}

TEST(MessageText, ArgumentsAndCountsReadAsTheProgramAlwaysShowedThem) {
    EXPECT_EQ(MessageText(Message{MessageId::AskLessOften, {}, 2}),
              "The time server asks to be queried less often; it will not be asked again for 2 "
              "minute(s).");
    EXPECT_EQ(MessageText(Message{MessageId::ClockLimit, {}, 10000}),
              "More than 10000 clocks are stored. Only the first 10000 are shown, and changes to "
              "the clock list are not saved, so that none of the others is lost.");
    // An argument is filled in once: a "%2" inside it stays as typed.
    EXPECT_EQ(MessageText(Message{MessageId::CannotConvertFrom, {"50%2 off"}}),
              "Timezone '50%2 off' can not be used to convert from.");
    EXPECT_EQ(MessageText(MessageLines{{MessageId::UseThisServer},
                                       {MessageId::EmptyLine},
                                       {MessageId::ServerName, {"ntp:h"}}}),
              "Do you want to use this server :\n\nName: ntp:h");
}

}  // namespace
}  // namespace horavia
