#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "lists/ListOperations.h"

namespace {

using plevo::deleteDuplicates;
using plevo::reduceAll;
using Lines = std::vector<std::string>;

std::optional<std::string> domainOf(const std::string& entry) {
    const auto at = entry.find('@');
    if (at == std::string::npos) return std::nullopt;
    return entry.substr(at + 1);
}

// Duplicate deletion as the window's walk is described: every entry against every later one,
// a removed entry becoming an empty text that the later tests see.
Lines referenceDeleteDuplicates(Lines e, const Lines& safe) {
    const std::size_t n = e.size();
    for (const auto& s : safe)
        for (auto& entry : e)
            if (entry == s) entry.clear();
    for (std::size_t i = 0; i < n; ++i) {
        const auto d = domainOf(e[i]);
        for (std::size_t j = i + 1; j < n; ++j) {
            if (e[i] == e[j]) e[j].clear();
            if (d && !d->empty() && *d == e[j]) e[i].clear();
            const auto dj = domainOf(e[j]);
            if (dj && !dj->empty() && e[i] == *dj) e[j].clear();
        }
    }
    Lines kept;
    for (auto& entry : e)
        if (!entry.empty()) kept.push_back(entry);
    return kept;
}

// Random texts from a small alphabet, so that equal texts, shared domains and addresses of
// other entries are frequent; a pool also holds addresses built on pool texts (so domain parts
// are entries again, with several "@") and the domain parts of pool texts.
class ListMaker {
public:
    explicit ListMaker(unsigned seed) : rng_(seed) {}

    Lines pool() {
        static const char* const pieces[] = {"a", "A", "b", "@", ".", "x.y"};
        Lines p;
        const std::size_t base = 1 + rng_() % 5;
        for (std::size_t k = 0; k < base; ++k) {
            std::string s;
            const std::size_t len = rng_() % 4;
            for (std::size_t c = 0; c < len; ++c) s += pieces[rng_() % std::size(pieces)];
            p.push_back(s);
        }
        const std::size_t derived = rng_() % 6;
        for (std::size_t k = 0; k < derived; ++k) {
            const std::string& from = p[rng_() % p.size()];
            if (rng_() % 3 == 0) {
                if (const auto d = domainOf(from)) p.push_back(*d);
            } else {
                p.push_back(std::string(rng_() % 2 ? "n@" : "N@") + from);
            }
        }
        return p;
    }

    Lines pick(const Lines& pool, std::size_t maxCount) {
        Lines out(rng_() % (maxCount + 1));
        for (auto& s : out) s = pool[rng_() % pool.size()];
        return out;
    }

private:
    std::mt19937 rng_;
};

}  // namespace

TEST(DomainPart, CutAtTheFirstAt) {
    EXPECT_EQ(plevo::domainPart("joe@mail.example"), "mail.example");
    EXPECT_EQ(plevo::domainPart("a@b@c"), "b@c");
    EXPECT_EQ(plevo::domainPart("joe@"), "");
    EXPECT_EQ(plevo::domainPart("@x"), "x");
    EXPECT_EQ(plevo::domainPart("example.com"), std::nullopt);
    EXPECT_EQ(plevo::domainPart(""), std::nullopt);
}

// Short and long lines, lines that differ only inside (the quick check looks at the ends and
// the length), and the empty line: the set answers exactly as a plain set of the lines would.
TEST(SafeSet, AnswersAsAPlainSetForLinesOfEveryLength) {
    std::mt19937 rng(5);
    const auto line = [&] {
        std::string s(rng() % 24, 'a');
        for (char& c : s) c = "ab.@"[rng() % 4];
        return s;
    };
    Lines lines;
    for (int k = 0; k < 300; ++k) lines.push_back(line());
    plevo::SafeSet safe(lines);
    const std::set<std::string> plain(lines.begin(), lines.end());
    EXPECT_EQ(safe.size(), plain.size());
    for (int k = 0; k < 20000; ++k) {
        const std::string asked = line();
        EXPECT_EQ(safe.contains(asked), plain.count(asked) == 1) << asked;
    }
}

// Ids as a plain map would give them, one at a time and a list at once: many texts of one
// length (so that some share the bits of the hash a slot keeps and must be compared) and texts
// too long for the length a slot keeps, equal and differing in their last byte.
TEST(StringIndex, NumbersTextsAsAPlainMapDoes) {
    std::mt19937 rng(9);
    std::vector<std::string> texts;
    for (int k = 0; k < 200000; ++k) {
        std::string s(6, 'a');
        for (char& c : s) c = static_cast<char>('a' + rng() % 8);
        texts.push_back(s);
    }
    const std::string longText(70000, 'x');
    for (int k = 0; k < 6; ++k) texts.push_back(longText + static_cast<char>('0' + k % 3));
    std::shuffle(texts.begin(), texts.end(), rng);

    std::map<std::string, std::uint32_t> plain;
    for (const auto& t : texts) plain.emplace(t, static_cast<std::uint32_t>(plain.size()));
    const auto plainId = [&](const std::string& t) {
        const auto it = plain.find(t);
        return it == plain.end() ? plevo::StringIndex::kNone : it->second;
    };
    const auto at = [&](std::size_t i) -> std::optional<std::string_view> { return texts[i]; };

    plevo::StringIndex oneByOne;
    plevo::StringIndex whole(texts.size());
    std::vector<std::uint32_t> ids(texts.size());
    whole.internEach(texts.size(), at, ids.data());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(oneByOne.intern(texts[i]), plainId(texts[i])) << i;
        ASSERT_EQ(ids[i], plainId(texts[i])) << i;
    }
    EXPECT_EQ(whole.size(), plain.size());

    std::vector<std::string> asked = {longText + "3", longText, "abcdefg", "hhhhhh", ""};
    for (int k = 0; k < 1000; ++k) asked.push_back(texts[rng() % texts.size()]);
    std::vector<std::uint32_t> found(asked.size());
    whole.findEach(
        asked.size(), [&](std::size_t i) -> std::optional<std::string_view> { return asked[i]; },
        found.data());
    for (std::size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(found[i], plainId(asked[i])) << asked[i].size();
        EXPECT_EQ(oneByOne.find(asked[i]), plainId(asked[i])) << asked[i].size();
    }
}

TEST(Reduction, SafeDomainsMatchWholeLinesExactly) {
    plevo::SafeSet safe(Lines{"safe.example", ""});
    EXPECT_EQ(plevo::reduction("joe@safe.example", safe), std::nullopt);
    EXPECT_EQ(plevo::reduction("joe@SAFE.example", safe), "SAFE.example");
    EXPECT_EQ(plevo::reduction("joe@sub.safe.example", safe), "sub.safe.example");
    EXPECT_EQ(plevo::reduction("joe@safe.example ", safe), "safe.example ");
    EXPECT_EQ(plevo::reduction("joe@", safe), std::nullopt);  // even with an empty safe line
    EXPECT_EQ(plevo::reduction("a@b@c", safe), "b@c");
    EXPECT_EQ(plevo::reduction("plain.example", safe), std::nullopt);

    // The window's "add to the safe list" spares later addresses of that domain.
    EXPECT_TRUE(safe.add("spam.example"));
    EXPECT_FALSE(safe.add("spam.example"));
    EXPECT_FALSE(safe.add("safe.example"));
    EXPECT_EQ(plevo::reduction("x@spam.example", safe), std::nullopt);
    EXPECT_EQ(safe.size(), 3u);
}

TEST(ReduceAll, ReplacesInPlaceAndCounts) {
    Lines list{"a@one.example", "", "two.example", "b@safe.example", "c@", "d@one.example"};
    EXPECT_EQ(reduceAll(list, Lines{"safe.example"}), 2u);
    EXPECT_EQ(list,
              (Lines{"one.example", "", "two.example", "b@safe.example", "c@", "one.example"}));
}

TEST(DeleteDuplicates, CoveringAndOrderEffects) {
    struct Case {
        Lines list;
        Lines safe;
        Lines expected;
    };
    const Case cases[] = {
        {.list = {}, .safe = {}, .expected = {}},
        {.list = {"a@d", "a@d", "a@d"}, .safe = {}, .expected = {"a@d"}},
        // an address before and after its domain: both go, the domain stays
        {.list = {"a@d", "d", "b@d"}, .safe = {}, .expected = {"d"}},
        // a domain equal to a safe line goes first and so covers nothing
        {.list = {"a@s", "s", "b@s"}, .safe = {"s"}, .expected = {"a@s", "b@s"}},
        {.list = {"a@d", "A@d", "a@D", "D"}, .safe = {}, .expected = {"a@d", "A@d", "D"}},
        {.list = {"", "x", "", "x", ""}, .safe = {""}, .expected = {"x"}},
        // the domain part "b@c" is an entry: it removes the address and then goes for "c"
        {.list = {"a@b@c", "b@c", "c"}, .safe = {}, .expected = {"c"}},
        // the later copy of the domain goes by rule 1 before it could cover anything
        {.list = {"d", "d", "x@d"}, .safe = {}, .expected = {"d"}},
        // "a@b" is removed by the later "b"; once removed it no longer removes its copies
        {.list = {"a@b", "b", "a@b"}, .safe = {}, .expected = {"b"}},
        {.list = {"a@b", "a@b", "b"}, .safe = {}, .expected = {"b"}},
        // the second copy outlives the first (removed already) and goes with the turn of "a@b"
        {.list = {"n@a@b", "a@b", "n@a@b", "b"}, .safe = {}, .expected = {"b"}},
    };
    for (const auto& c : cases) {
        Lines actual = c.list;
        deleteDuplicates(actual, c.safe);
        EXPECT_EQ(actual, c.expected) << testing::PrintToString(c.list);
        EXPECT_EQ(referenceDeleteDuplicates(c.list, c.safe), c.expected)
            << testing::PrintToString(c.list);
    }
}

TEST(DeleteDuplicates, MatchesTheWalkOnRandomLists) {
    ListMaker make(20261208);
    for (int round = 0; round < 5000; ++round) {
        const Lines pool = make.pool();
        const Lines list = make.pick(pool, 24);
        Lines safe = make.pick(pool, 3);
        if (round % 7 == 0) safe.push_back("");
        Lines actual = list;
        deleteDuplicates(actual, safe);
        ASSERT_EQ(actual, referenceDeleteDuplicates(list, safe))
            << "list " << testing::PrintToString(list) << " safe " << testing::PrintToString(safe);
    }
}
