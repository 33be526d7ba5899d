#include <gtest/gtest.h>

#include "ui/qt/QtDialogs.h"
#include "ui/qt/Text.h"

TEST(Text, EveryByteSurvivesTheRoundTrip) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    const QString q = plevo::toQString(bytes);
    EXPECT_EQ(q.size(), 256);
    EXPECT_EQ(plevo::fromQString(q), bytes);
}

TEST(Text, MessageLineBreaksBecomeDisplayBreaks) {
    EXPECT_EQ(plevo::displayText("a\n\rb\r\nc"), "a\nb\nc");
    EXPECT_EQ(plevo::displayText("\xe9t\xe9"),
              QString::fromUtf8("\xc3\xa9t\xc3\xa9"));  // not UTF-8
}

TEST(Text, PathsKeepTheFileSystemsBytesAndMessagesShowThem) {
#ifndef _WIN32
    const std::string utf8Path =
        "/tmp/Donn\xc3\xa9"
        "es/list.txt";
    EXPECT_EQ(plevo::pathToQString(utf8Path), QString::fromUtf8("/tmp/Donn\xc3\xa9"
                                                                "es/list.txt"));
    EXPECT_EQ(plevo::pathFromQString(plevo::pathToQString(utf8Path)), utf8Path);
    EXPECT_EQ(plevo::displayText(utf8Path + " opened successfully"),
              QString::fromUtf8("/tmp/Donn\xc3\xa9"
                                "es/list.txt opened successfully"));
#endif
    // A list entry in 8-bit text stays Latin-1 in a message.
    EXPECT_EQ(plevo::displayText("Remove a@caf\xe9.example"),
              QString::fromUtf8("Remove a@caf\xc3\xa9.example"));
}

TEST(Text, FileFiltersMatchEitherCase) {
    EXPECT_EQ(plevo::qtNameFilter("Text files (*.txt)|*.TXT"),
              "Text files (*.txt) (*.[tT][xX][tT])");
    EXPECT_EQ(plevo::qtNameFilter("Text files (*.txt)|*.TXT|All files (*.*)|*.*"),
              "Text files (*.txt) (*.[tT][xX][tT]);;All files (*.*) (*.*)");
}
