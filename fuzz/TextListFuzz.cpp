// Feeds any bytes to the text list scan and checks it against a plain reading byte by byte: the
// block masks of both block readers (vector and plain integer), the entries and first "@" of the
// whole text and of the text in two pieces, and the block-by-block reader that keeps only the
// start of a long line and refuses one past its limit.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lists/TextList.h"
#include "lists/TextListReader.h"
#include "lists/TextListScan.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "text list scan: %s\n", what);
    std::abort();
}

struct Plain {
    std::vector<std::string> entries;
    bool endsWithBreak = false;
};

Plain readPlainly(std::string_view text) {
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
}

void checkBlockReaders(std::string_view text) {
    for (std::size_t base = 0; base < text.size(); base += 64) {
        char block[64] = {};
        std::memcpy(block, text.data() + base, std::min<std::size_t>(64, text.size() - base));
        std::uint64_t breaks = 0;
        std::uint64_t marks = 0;
        for (int k = 0; k < 64; ++k) {
            if (block[k] == '\r' || block[k] == '\n') breaks |= std::uint64_t{1} << k;
            if (block[k] == '@') marks |= std::uint64_t{1} << k;
        }
        const auto portable = plevo::textlist_detail::blockMasksPortable<'@'>(block);
        const auto chosen = plevo::textlist_detail::blockMasks<'@'>(block);
        require(portable.breaks == breaks && portable.marks == marks, "plain integer masks");
        require(chosen.breaks == breaks && chosen.marks == marks, "vector masks");
    }
}

void checkScan(std::string_view text, const Plain& plain, std::size_t cut) {
    std::vector<std::string> entries;
    const auto add = [&](std::string_view entry, std::size_t at) {
        require(at == entry.find('@'), "first @ of an entry");
        entries.emplace_back(entry);
    };
    const auto first = plevo::scanEntriesMarking<'@'>(text.substr(0, cut), false, add);
    require(first.used <= cut, "bytes used of the first piece");
    const auto rest = plevo::scanEntriesMarking<'@'>(text.substr(first.used), true, add);
    require(entries == plain.entries, "entries of the text in two pieces");
    require(rest.endsWithBreak == plain.endsWithBreak, "final line break");
    const plevo::TextList list = plevo::parseTextList(text);
    require(list.entries == plain.entries && list.endsWithBreak == plain.endsWithBreak,
            "parseTextList");
    require(plevo::splitTextList(text).entries.size() == plain.entries.size(), "splitTextList");
    require(plevo::countLineFeeds(text) ==
                static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
            "count of LFs");
    const std::size_t end = text.find_first_of("\r\n");
    require(plevo::findLineEnd(text) == end, "first line end");
}

// Pieces of 1 to 80 bytes, their sizes taken from the text itself.
void checkReader(std::string_view text, const Plain& plain, std::size_t kept, std::uint64_t limit) {
    std::vector<std::pair<std::string, std::uint64_t>> given;
    plevo::TextListReader reader(
        [&](std::size_t line, std::string_view entry, std::uint64_t size) {
            require(line == given.size() + 1, "line number");
            given.emplace_back(entry, size);
        },
        kept, limit);
    std::size_t refusedAt = 0;
    try {
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t piece = 1 + static_cast<unsigned char>(text[at]) % 80;
            reader.feed(text.substr(at, piece));
            at += piece;
        }
        reader.finish();
    } catch (const plevo::EntryTooLong& e) {
        refusedAt = e.lineNumber();
    }
    std::size_t tooLong = 0;
    for (std::size_t k = 0; k < plain.entries.size() && tooLong == 0; ++k)
        if (plain.entries[k].size() > limit) tooLong = k + 1;
    require(refusedAt == tooLong, "the line refused as too long");
    const std::size_t count = tooLong ? tooLong - 1 : plain.entries.size();
    require(given.size() == count, "entries given");
    for (std::size_t k = 0; k < count; ++k) {
        const std::string& entry = plain.entries[k];
        require(given[k].first == entry.substr(0, kept) && given[k].second == entry.size(),
                "an entry given by the reader");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkBlockReaders(text);
    const Plain plain = readPlainly(text);
    const std::size_t choice = size > 0 ? data[size - 1] : 0;
    checkScan(text, plain, size > 0 ? choice * 7919 % size : 0);
    checkReader(text, plain, 1 + choice % 16, 8 + choice % 200);
    checkReader(text, plain, 1 << 20, UINT64_MAX);
    return 0;
}
