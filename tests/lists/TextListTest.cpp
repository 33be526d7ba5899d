#include <gtest/gtest.h>

#include <random>

#include "lists/TextList.h"
#include "lists/TextListScan.h"

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

// The word-at-a-time scan against a byte-by-byte reading of the same text: entries, the first
// "@" of each, and a text given in two pieces (a CR at the end of the first may begin a CR LF).
TEST(TextListScan, AgreesWithAPlainReadingWholeAndInPieces) {
    std::mt19937 rng(11);
    const char alphabet[] = {'a', '@', '\r', '\n', 'x', '\x80'};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (std::size_t k = rng() % 40; k > 0; --k) text += alphabet[rng() % sizeof alphabet];
        const TextList plain = parseTextList(text);

        std::vector<std::string> entries;
        std::vector<std::size_t> marks;
        const auto add = [&](std::string_view entry, std::size_t at) {
            entries.emplace_back(entry);
            marks.push_back(at);
        };
        const std::size_t cut = text.empty() ? 0 : rng() % text.size();
        const auto first =
            plevo::scanEntriesMarking<'@'>(std::string_view(text).substr(0, cut), false, add);
        const auto rest =
            plevo::scanEntriesMarking<'@'>(std::string_view(text).substr(first.used), true, add);
        ASSERT_EQ(entries, plain.entries) << testing::PrintToString(text);
        for (std::size_t e = 0; e < entries.size(); ++e)
            EXPECT_EQ(marks[e], entries[e].find('@')) << testing::PrintToString(text);
        EXPECT_EQ(rest.endsWithBreak, plain.endsWithBreak) << testing::PrintToString(text);
    }
}
