#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

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

// The block scan against a byte-by-byte reading of the same text: entries, the first "@" of
// each, and a text given in two pieces (a CR at the end of the first may begin a CR LF). Texts
// up to four blocks long, with breaks dense or rare, so entries start and end anywhere in them.
TEST(TextListScan, AgreesWithAPlainReadingWholeAndInPieces) {
    struct Plain {
        std::vector<std::string> entries;
        bool endsWithBreak = false;
    };
    const auto readPlainly = [](const std::string& text) {
        Plain plain;
        std::string entry;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\r' && text[i] != '\n') {
                entry += text[i];
                continue;
            }
            plain.entries.push_back(std::exchange(entry, {}));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }
        plain.endsWithBreak = !text.empty() && entry.empty();
        if (!entry.empty()) plain.entries.push_back(entry);
        return plain;
    };
    std::mt19937 rng(11);
    const char alphabet[] = {'\r', '\n', '@', '\x80', '\0', 'a'};
    for (int round = 0; round < 6000; ++round) {
        // Odd rounds: about one byte in 40 a break.
        const unsigned spread = round % 2 ? 120 : sizeof alphabet;
        std::string text;
        for (std::size_t k = rng() % 260; k > 0; --k) {
            const unsigned pick = rng() % spread;
            text += pick < sizeof alphabet ? alphabet[pick] : 'a';
        }
        const Plain plain = readPlainly(text);

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
        EXPECT_EQ(parseTextList(text).entries, plain.entries);
        EXPECT_EQ(plevo::countLineFeeds(text),
                  static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    }
}

// Where the vector instructions read a block, the integer reading must give the same masks: it
// is what a processor without them runs.
TEST(TextListScan, BothBlockReadingsAgree) {
    std::mt19937 rng(5);
    char block[64];
    for (int round = 0; round < 2000; ++round) {
        for (char& b : block) b = static_cast<char>(round % 2 ? rng() : "\r\n@a\x8d"[rng() % 5]);
        const auto portable = plevo::textlist_detail::blockMasksPortable<'@'>(block);
        const auto chosen = plevo::textlist_detail::blockMasks<'@'>(block);
        std::uint64_t breaks = 0;
        std::uint64_t marks = 0;
        for (int k = 0; k < 64; ++k) {
            if (block[k] == '\r' || block[k] == '\n') breaks |= std::uint64_t{1} << k;
            if (block[k] == '@') marks |= std::uint64_t{1} << k;
        }
        ASSERT_EQ(portable.breaks, breaks);
        ASSERT_EQ(portable.marks, marks);
        ASSERT_EQ(chosen.breaks, breaks);
        ASSERT_EQ(chosen.marks, marks);
    }
}
