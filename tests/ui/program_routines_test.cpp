// The help page.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/main/help_page.h"
#include "ui_test_support.h"

namespace horavia {
namespace {

TEST(HelpPage, WrittenOutOfTheProgramAndKeptCurrent) {
    QTemporaryDir folder;
    const QString path = WriteHelpPage(folder.path());
    ASSERT_FALSE(path.isEmpty());
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    page.close();
    EXPECT_TRUE(text.contains("id=\"contents\"")) << "the page opens at its contents";
    EXPECT_TRUE(text.contains("Format letters"));

    // A page left by another version is replaced.
    ASSERT_TRUE(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
    page.write("old");
    page.close();
    EXPECT_EQ(WriteHelpPage(folder.path()), path);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(page.readAll(), text);
}

TEST(HelpPage, WithoutABrowserAMessageNamesTheFile) {
    QTemporaryDir folder;
    testing::RecordingMessages messages;
    QUrl asked;
    EXPECT_FALSE(OpenHelpWith(messages, folder.path(), [&](const QUrl& url) {
        asked = url;
        return false;  // no browser could be started
    }));
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string path = QDir::toNativeSeparators(asked.toLocalFile()).toStdString();
    EXPECT_EQ(asked.fragment(), QStringLiteral("contents"));
    EXPECT_EQ(
        messages.shown[0].text,
        "No web browser could be started to show the help.\nThe help is in this file:\n" + path);
    EXPECT_EQ(messages.shown[0].title, "Horavia");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);

    // A browser that starts: nothing to say.
    EXPECT_TRUE(OpenHelpWith(messages, folder.path(), [](const QUrl&) { return true; }));
    EXPECT_EQ(messages.shown.size(), 1u);

    // A folder the page cannot be written into is named, and no browser is asked.
    QFile blocker(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = folder.filePath(QStringLiteral("file/help"));
    bool browserAsked = false;
    EXPECT_FALSE(
        OpenHelpWith(messages, unwritable, [&](const QUrl&) { return browserAsked = true; }));
    EXPECT_FALSE(browserAsked);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "The help page could not be written into the folder\n" +
                                          QDir::toNativeSeparators(unwritable).toStdString());
}

}  // namespace
}  // namespace horavia
