#include <gtest/gtest.h>

#include <random>

#include "lists/ListOperations.h"
#include "lists/SubstringMatcher.h"

namespace {

using Lines = std::vector<std::string>;

bool literallyOccurs(std::string_view text, const Lines& lines) {
    for (const auto& line : lines)
        if (!line.empty() && text.find(line) != std::string_view::npos) return true;
    return false;
}

// Texts over the first `letters` bytes of a small alphabet: few letters make lines overlap and
// fail over to each other often, many give trie nodes with many children.
std::string randomText(std::mt19937& rng, std::size_t minLength, std::size_t maxLength,
                       std::size_t letters) {
    static const char alphabet[] =
        "abA.\xe9"
        "cdefghijklmnop";
    std::string s(minLength + rng() % (maxLength - minLength + 1), ' ');
    for (char& c : s) c = alphabet[rng() % letters];
    return s;
}

}  // namespace

TEST(EditProposal, OnlyEntriesWithTwoFullStopsAndATail) {
    EXPECT_EQ(plevo::editProposal("mail.spam.example"), "spam.example");
    EXPECT_EQ(plevo::editProposal("a.b.c.d"), "b.c.d");
    EXPECT_EQ(plevo::editProposal("joe.bloggs@spam.example"), "bloggs@spam.example");
    EXPECT_EQ(plevo::editProposal("..x"), ".x");
    EXPECT_EQ(plevo::editProposal("x.."), ".");
    EXPECT_EQ(plevo::editProposal("spam.example"), std::nullopt);
    EXPECT_EQ(plevo::editProposal("example"), std::nullopt);
    EXPECT_EQ(plevo::editProposal("x."), std::nullopt);
    EXPECT_EQ(plevo::editProposal(""), std::nullopt);
}

TEST(SubstringMatcher, FindsLinesAnywhereInTheText) {
    plevo::SubstringMatcher none;
    EXPECT_FALSE(none.occursIn("anything"));

    plevo::SubstringMatcher m(Lines{"", "safe.example", "he", "she", "hers"});
    EXPECT_TRUE(m.occursIn("mail.safe.example.org"));
    EXPECT_FALSE(m.occursIn("mail.SAFE.example"));
    EXPECT_TRUE(m.occursIn("ushers"));  // found through a failure link
    EXPECT_FALSE(m.occursIn("shxrs"));
    EXPECT_FALSE(m.occursIn(""));  // the empty line occurs nowhere

    m.add("XR");
    EXPECT_TRUE(m.occursIn("shXRs"));
    m.assign(Lines{"q"});
    EXPECT_FALSE(m.occursIn("ushers"));
    EXPECT_TRUE(m.occursIn("q"));
}

TEST(SubstringMatcher, MatchesTheLiteralTestOnRandomData) {
    std::mt19937 rng(99);
    for (int round = 0; round < 1000; ++round) {
        const bool wide = round % 2 == 0;
        const std::size_t letters = wide ? 19 : 5;
        Lines lines(rng() % (wide ? 400 : 12));
        for (auto& line : lines) line = randomText(rng, wide ? 3 : 0, 4, letters);
        plevo::SubstringMatcher m(lines);
        for (int probe = 0; probe < 20; ++probe) {
            if (probe == 10) {
                lines.push_back(randomText(rng, 0, 3, letters));
                m.add(lines.back());
            }
            const std::string text = randomText(rng, 0, 12, letters);
            ASSERT_EQ(m.occursIn(text), literallyOccurs(text, lines))
                << testing::PrintToString(text) << " in " << testing::PrintToString(lines);
        }
    }
}

TEST(EditOffers, SkipEntriesHoldingASafeLine) {
    const Lines entries{
        "a.spam.example",      "mail.safe.example.net", "b.c", "x@y.mail.example", "",
        "one.two.SAFE.example"};
    const auto offers = plevo::listEditOffers(entries, Lines{"safe.example", ""});
    ASSERT_EQ(offers.size(), 3u);
    EXPECT_EQ(offers[0].index, 0u);
    EXPECT_EQ(offers[0].proposal, "spam.example");
    EXPECT_EQ(offers[1].index, 3u);
    EXPECT_EQ(offers[1].entry, "x@y.mail.example");
    EXPECT_EQ(offers[1].proposal, "mail.example");
    EXPECT_EQ(offers[2].index, 5u);
    EXPECT_EQ(offers[2].proposal, "two.SAFE.example");

    // A line added during the walk stops later offers that contain it.
    plevo::SubstringMatcher safe(Lines{"safe.example"});
    EXPECT_EQ(plevo::editOffer("a.spam.example", safe), "spam.example");
    safe.add("spam.example");
    EXPECT_EQ(plevo::editOffer("b.spam.example", safe), std::nullopt);
}
