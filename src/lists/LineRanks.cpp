#include "lists/LineRanks.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "lists/BothCores.h"
#include "lists/FoldedBytes.h"
#include "lists/LineSort.h"

namespace plevo {
namespace {

// Lines are compared sixteen folded bytes (one digit) at a time: a key holds one digit of a line
// packed into two numbers, so that most comparisons never touch the line again. Lines whose
// digits tie are keyed again on their next digit, group by group, like a radix sort.
constexpr std::size_t kDigit = 16;
// Groups this small compare their lines directly rather than build keys digit after digit.
constexpr std::ptrdiff_t kSmallGroup = 16;
// Below this many lines a second thread costs more than it saves.
constexpr std::size_t kBothCores = 100'000;

struct Key {
    std::uint64_t high;
    std::uint64_t low;
    std::uint64_t tail;  // the bytes left from this digit on (at most 17) << 32, then the line
};

std::uint32_t lineOf(const Key& k) {
    return static_cast<std::uint32_t>(k.tail);
}
std::uint64_t restOf(const Key& k) {
    return k.tail >> 32;
}

Key keyOf(std::string_view line, std::size_t digit, std::uint32_t index) {
    const std::size_t offset = digit * kDigit;
    const std::size_t rest = line.size() - offset;
    const char* bytes = line.data() + offset;
    char padded[kDigit] = {};
    if (rest < kDigit) {
        if (rest > 0) std::memcpy(padded, bytes, rest);
        bytes = padded;
    }
    return {foldedWord(bigEndianWord(bytes)), foldedWord(bigEndianWord(bytes + 8)),
            (std::uint64_t{std::min(rest, kDigit + 1)} << 32) | index};
}

// Equal lines are ordered by position, so the whole key orders them all.
bool keyLess(const Key& a, const Key& b) {
    if (a.high != b.high) return a.high < b.high;
    if (a.low != b.low) return a.low < b.low;
    return a.tail < b.tail;
}

// The digit alone, without the line: <0, 0, >0.
int compareDigit(const Key& a, const Key& b) {
    if (a.high != b.high) return a.high < b.high ? -1 : 1;
    if (a.low != b.low) return a.low < b.low ? -1 : 1;
    if (restOf(a) != restOf(b)) return restOf(a) < restOf(b) ? -1 : 1;
    return 0;
}

class Ranker {
public:
    explicit Ranker(std::span<const std::string_view> lines)
        : lines_(lines), keys_(lines.size()), sameAsPrevious_(lines.size(), 0) {}

    void rankAll() {
        Key* const first = keys_.data();
        Key* const last = first + keys_.size();
        const auto fillAll = [&](std::size_t digit) {
            Key* const middle = first + keys_.size() / 2;
            const auto fillFirst = [&] { fill(first, middle, digit); };
            const auto fillSecond = [&] { fill(middle, last, digit); };
            if (keys_.size() >= kBothCores)
                runBoth(fillFirst, fillSecond);
            else
                fillFirst(), fillSecond();
        };
        for (std::size_t i = 0; i < keys_.size(); ++i) keys_[i].tail = i;
        fillAll(0);
        if (keys_.size() < kBothCores) return sortGroup(first, last, 0);

        // Split the lines around the median of a sample: the smaller ones on one core, the rest
        // on the other. Lines that all share a digit move on to the next one first.
        for (std::size_t digit = 0;; ++digit) {
            const Key pivot = sampleMedian(first, last);
            Key* less = first;
            Key* greater = last;
            for (Key* k = first; k < greater;) {
                const int c = compareDigit(*k, pivot);
                if (c < 0)
                    std::swap(*k++, *less++);
                else if (c > 0)
                    std::swap(*k, *--greater);
                else
                    ++k;
            }
            if (less != first || greater != last || restOf(pivot) <= kDigit) {
                runBoth([&] { sortGroup(first, less, digit); },
                        [&] {
                            sortGroup(less, greater, digit);
                            sortGroup(greater, last, digit);
                        });
                return;
            }
            fillAll(digit + 1);
        }
    }

    LineRanks result() {
        LineRanks ranks;
        ranks.order.resize(keys_.size());
        ranks.rankStart.reserve(static_cast<std::size_t>(
                                    std::count(sameAsPrevious_.begin(), sameAsPrevious_.end(), 0)) +
                                1);
        for (std::size_t k = 0; k < keys_.size(); ++k) {
            ranks.order[k] = lineOf(keys_[k]);
            if (!sameAsPrevious_[k]) ranks.rankStart.push_back(static_cast<std::uint32_t>(k));
        }
        ranks.rankStart.push_back(static_cast<std::uint32_t>(keys_.size()));
        return ranks;
    }

private:
    void fill(Key* first, Key* last, std::size_t digit) const {
        for (Key* k = first; k < last; ++k) *k = keyOf(lines_[lineOf(*k)], digit, lineOf(*k));
    }

    Key sampleMedian(const Key* first, const Key* last) const {
        constexpr std::size_t kSample = 1023;
        const auto n = static_cast<std::size_t>(last - first);
        std::vector<Key> sample(kSample);
        for (std::size_t s = 0; s < kSample; ++s) sample[s] = first[s * n / kSample];
        std::nth_element(sample.begin(), sample.begin() + kSample / 2, sample.end(), keyLess);
        return sample[kSample / 2];
    }

    // Sorts [first, last), whose keys hold the given digit and whose lines agree before it.
    void sortGroup(Key* first, Key* last, std::size_t digit) {
        struct Group {
            Key* first;
            Key* last;
            std::size_t digit;
        };
        std::vector<Group> groups{{first, last, digit}};
        while (!groups.empty()) {
            const Group g = groups.back();
            groups.pop_back();
            if (g.last - g.first <= kSmallGroup) {
                sortSmall(g.first, g.last, g.digit);
                continue;
            }
            // A group keyed again is still in line order when its lines agree on this digit too.
            if (!std::is_sorted(g.first, g.last, keyLess)) std::sort(g.first, g.last, keyLess);
            for (Key* run = g.first; run < g.last;) {
                Key* end = run + 1;
                while (end < g.last && compareDigit(*run, *end) == 0) ++end;
                if (end - run > 1) {
                    if (restOf(*run) <= kDigit) {  // the lines ended within this digit: equal
                        markEqual(run, end);
                    } else {
                        fill(run, end, g.digit + 1);
                        groups.push_back({run, end, g.digit + 1});
                    }
                }
                run = end;
            }
        }
    }

    void sortSmall(Key* first, Key* last, std::size_t digit) {
        const std::size_t offset = digit * kDigit;
        const auto rest = [&](const Key& k) { return lines_[lineOf(k)].substr(offset); };
        std::sort(first, last, [&](const Key& a, const Key& b) {
            const int c = compareFolded(rest(a), rest(b));
            return c != 0 ? c < 0 : lineOf(a) < lineOf(b);
        });
        for (Key* k = first; k + 1 < last; ++k)
            if (compareFolded(rest(k[0]), rest(k[1])) == 0) markEqual(k, k + 2);
    }

    void markEqual(const Key* first, const Key* last) {
        for (const Key* k = first + 1; k < last; ++k) sameAsPrevious_[k - keys_.data()] = 1;
    }

    std::span<const std::string_view> lines_;
    std::vector<Key> keys_;
    std::vector<std::uint8_t> sameAsPrevious_;  // by place in keys_: the line ties the one before
};

}  // namespace

LineRanks rankLines(std::span<const std::string_view> lines) {
    if (lines.size() >= 0xFFFFFFFFu) throw std::length_error("list too long");
    Ranker ranker(lines);
    ranker.rankAll();
    return ranker.result();
}

}  // namespace plevo
