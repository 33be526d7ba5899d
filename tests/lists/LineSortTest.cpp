#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "lists/LineRanks.h"
#include "lists/LineSort.h"

namespace {

using plevo::compareFolded;

// The selection sort exactly as the list sort is described: for each position, the first of the
// strictly smallest later lines is swapped in, and only when it is smaller than the line there.
void referenceSelectionSort(std::vector<std::string>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t candidate = n;
        for (std::size_t j = i + 1; j < n; ++j) {
            if (compareFolded(a[j], a[i]) < 0 &&
                (candidate == n || compareFolded(a[j], a[candidate]) < 0))
                candidate = j;
        }
        if (candidate != n) std::swap(a[i], a[candidate]);
    }
}

}  // namespace

TEST(LineSort, FoldedOrder) {
    EXPECT_EQ(compareFolded("abc", "ABC"), 0);
    EXPECT_LT(compareFolded("ab", "abc"), 0);
    EXPECT_LT(compareFolded("", "a"), 0);
    EXPECT_LT(compareFolded("1", "a"), 0);  // digits before letters
    EXPECT_LT(compareFolded("-", "."), 0);
    EXPECT_LT(compareFolded(".", "A"), 0);
    EXPECT_LT(compareFolded("z", "_"), 0);  // characters between Z and a sort after letters
    EXPECT_LT(compareFolded("Z", "["), 0);
    EXPECT_LT(compareFolded("z", "\x80"), 0);     // bytes >= 0x80 are unsigned and come last
    EXPECT_GT(compareFolded("\xe9", "\xc9"), 0);  // only a-z fold
}

TEST(LineSort, TiesFollowTheSelectionSort) {
    std::vector<std::string> lines{"B", "b", "a"};
    plevo::sortBoxLines(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "B"}));

    std::vector<std::string> withEmpty{"x", "", "A", ""};
    plevo::sortBoxLines(withEmpty);
    EXPECT_EQ(withEmpty, (std::vector<std::string>{"", "", "A", "x"}));
}

TEST(LineSort, MatchesTheSelectionSortOnRandomLists) {
    std::mt19937 rng(20261208);
    const std::string alphabet[] = {"a", "A",    "b",    "B", "",  ".",
                                    "-", "\xa0", "\xe9", "_", "1", "z"};
    for (int round = 0; round < 3000; ++round) {
        const std::size_t n = rng() % 40;
        std::vector<std::string> lines(n);
        for (auto& line : lines) {
            // Every third round the lines share a long start, so that their first sixteen bytes
            // tie and the rest decides.
            if (round % 3 == 0)
                line = (rng() % 2) ? "Long.Prefix-Of-Lines-" : "long.prefix-of-lines-";
            const std::size_t len = rng() % 4;
            for (std::size_t k = 0; k < len; ++k) line += alphabet[rng() % std::size(alphabet)];
        }
        auto expected = lines;
        referenceSelectionSort(expected);
        auto actual = lines;
        plevo::sortBoxLines(actual);
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

// Long lines that share their first one, two or three sixteen-byte digits, in every case.
TEST(LineSort, MatchesTheSelectionSortOnSharedLongStarts) {
    std::mt19937 rng(7);
    const std::string starts[] = {"", "abcdefghijklmnopq", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefgh",
                                  "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVW"};
    for (int round = 0; round < 40; ++round) {
        std::vector<std::string> lines(200 + rng() % 200);
        for (auto& line : lines) {
            line = starts[rng() % std::size(starts)];
            for (char& c : line)
                if (rng() % 2) c = static_cast<char>(c ^ 0x20);
            const std::size_t len = rng() % 3;
            for (std::size_t k = 0; k < len; ++k) line += "aB\xe9"[rng() % 3];
        }
        auto expected = lines;
        referenceSelectionSort(expected);
        plevo::sortBoxLines(lines);
        ASSERT_EQ(lines, expected) << "round " << round;
    }
}

// Long lists are ranked on two threads, split around a sampled line: the ranks are those of a
// plain stable sort, equal lines by position.
TEST(LineSort, LongListsRankAsAStableSort) {
    std::mt19937 rng(11);
    const std::string starts[] = {"", "same-start-of-twenty-",
                                  "Same-Start-Of-Twenty-Bytes-And-More", "x"};
    for (const std::size_t n : {150'000, 250'000}) {
        std::vector<std::string> texts(n);
        for (auto& text : texts) {
            text = starts[rng() % (n == 150'000 ? 4 : 3)];
            const std::size_t len = rng() % 4;
            for (std::size_t k = 0; k < len; ++k) text += "aAbB.\xe9"[rng() % 6];
        }
        const std::vector<std::string_view> lines(texts.begin(), texts.end());
        std::vector<std::uint32_t> expected(n);
        std::iota(expected.begin(), expected.end(), 0u);
        std::stable_sort(expected.begin(), expected.end(), [&](std::uint32_t a, std::uint32_t b) {
            return compareFolded(lines[a], lines[b]) < 0;
        });
        std::vector<std::uint32_t> expectedStarts;
        for (std::size_t k = 0; k < n; ++k)
            if (k == 0 || compareFolded(lines[expected[k - 1]], lines[expected[k]]) != 0)
                expectedStarts.push_back(static_cast<std::uint32_t>(k));
        expectedStarts.push_back(static_cast<std::uint32_t>(n));

        const plevo::LineRanks ranks = plevo::rankLines(lines);
        ASSERT_EQ(ranks.order, expected) << n;
        ASSERT_EQ(ranks.rankStart, expectedStarts) << n;
    }
}
