#include <gtest/gtest.h>

#include "lists/TextList.h"

using plevo::formatTextList;
using plevo::parseTextList;
using plevo::TextList;

TEST(TextList, LineEndsOfEveryKind) {
    struct Case {
        std::string text;
        std::vector<std::string> entries;
        bool endsWithBreak;
    };
    const Case cases[] = {
        {.text = "", .entries = {}, .endsWithBreak = false},
        {.text = "a", .entries = {"a"}, .endsWithBreak = false},
        {.text = "a\r\nb\r\n", .entries = {"a", "b"}, .endsWithBreak = true},
        {.text = "a\nb\n", .entries = {"a", "b"}, .endsWithBreak = true},
        {.text = "a\rb", .entries = {"a", "b"}, .endsWithBreak = false},
        {.text = "a\n\rb", .entries = {"a", "", "b"}, .endsWithBreak = false},
        {.text = "\r\n", .entries = {""}, .endsWithBreak = true},
        {.text = "\r\n\r\n", .entries = {"", ""}, .endsWithBreak = true},
        {.text = "a\r\r\nb", .entries = {"a", "", "b"}, .endsWithBreak = false},
        {.text = " a \r\n\tb", .entries = {" a ", "\tb"}, .endsWithBreak = false},
    };
    for (const auto& c : cases) {
        const TextList list = parseTextList(c.text);
        EXPECT_EQ(list.entries, c.entries) << testing::PrintToString(c.text);
        EXPECT_EQ(list.endsWithBreak, c.endsWithBreak) << testing::PrintToString(c.text);
    }
}

TEST(TextList, WritingUsesCrLfAndKeepsTheFinalBreakAsLoaded) {
    EXPECT_EQ(formatTextList(parseTextList("a\nb")), "a\r\nb");
    EXPECT_EQ(formatTextList(parseTextList("a\nb\n")), "a\r\nb\r\n");
    EXPECT_EQ(formatTextList(parseTextList("a\n\rb\r")), "a\r\n\r\nb\r\n");
    EXPECT_EQ(plevo::formatRebuiltList({"x", "", "y"}), "x\r\n\r\ny\r\n");
    EXPECT_EQ(plevo::formatRebuiltList({}), "");
}

TEST(TextList, EveryByteButCrAndLfSurvives) {
    std::string line;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') line += static_cast<char>(b);
    }
    const std::string text = line + "\r\n" + line;
    const TextList list = parseTextList(text);
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].size(), 254u);
    EXPECT_EQ(formatTextList(list), text);
}
