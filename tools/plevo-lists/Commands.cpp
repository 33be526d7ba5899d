#include "Commands.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "lists/LineSort.h"
#include "lists/ListOperations.h"
#include "lists/TextList.h"
#include "lists/TextListReader.h"
#include "lists/TextListScan.h"

namespace plevo {
namespace {

constexpr std::string_view kBreak = "\r\n";

// A field of an offers line: a TAB inside it would make the line split wrongly, so it is
// written \t, and a backslash \\ so that the escape can be read back.
void writeField(std::string_view field, Output& out) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\t' && field[i] != '\\') continue;
        out.write(field.substr(from, i - from));
        out.write(field[i] == '\t' ? "\\t" : "\\\\");
        from = i + 1;
    }
    out.write(field.substr(from));
}

// One line per offer, INDEX TAB ENTRY TAB PROPOSAL, ended by CR LF like every list we write.
void writeOffers(std::span<const std::string> entries, std::span<const std::string> safeLines,
                 Output& out) {
    for (const auto& offer : listEditOffers(entries, safeLines)) {
        out.write(std::to_string(offer.index));
        out.write("\t");
        writeField(offer.entry, out);
        out.write("\t");
        writeField(offer.proposal, out);
        out.write(kBreak);
    }
}

// "Remove email name" on a list read piece by piece. An entry is replaced in place, so the list
// keeps the form it was read in: an entry read with a line end is written with CR LF, a last one
// without stays without. An entry longer than a piece is held as a row of pieces put aside while
// it is read, so that a long one never needs a second copy of itself while it grows.
class Reducer {
public:
    Reducer(std::span<const std::string> safeLines, Output& out, std::uint64_t limit)
        : safe_(safeLines), out_(out), limit_(limit) {
        for (const auto& line : safeLines) longestSafe_ = std::max(longestSafe_, line.size());
    }

    // Reduces the entries of bytes (see scanEntries for final); returns the bytes used. The
    // first entry given ends the one whose start was put aside.
    std::size_t reduce(std::string_view bytes, bool final) {
        const auto give = [&](std::string_view entry, std::size_t at, bool last) {
            if (aside_.size > 0)
                giveLong(entry, at);
            else if (entry.size() > limit_)
                throw EntryTooLong(lines_ + 1);
            else
                out_.write(reductionAt(entry, at, safe_).value_or(entry));
            if (!last) out_.write(kBreak);
            ++lines_;
        };
        const char* const end = bytes.data() + bytes.size();
        const std::size_t used =
            scanEntriesMarking<'@'>(bytes, final, [&](std::string_view entry, std::size_t at) {
                give(entry, at, final && entry.data() + entry.size() == end);
            }).used;
        // The list ends with the bytes put aside.
        if (final && bytes.empty() && aside_.size > 0) give({}, std::string_view::npos, true);
        return used;
    }

    // Puts aside the start of an entry whose end has not been read.
    void putAside(std::string&& piece) {
        if (aside_.at == kNone)
            if (const std::size_t k = piece.find('@'); k != std::string::npos)
                aside_.at = aside_.size + k;
        aside_.size += piece.size();
        aside_.pieces.push_back(std::move(piece));
    }
    std::uint64_t putAsideSize() const { return aside_.size; }
    std::size_t lines() const { return lines_; }

private:
    static constexpr std::uint64_t kNone = std::numeric_limits<std::uint64_t>::max();

    // The entry of the pieces put aside and tail, whose first "@" is at (npos: none).
    void giveLong(std::string_view tail, std::size_t at) {
        const std::uint64_t size = aside_.size + tail.size();
        if (size > limit_) throw EntryTooLong(lines_ + 1);
        if (aside_.at == kNone && at != std::string_view::npos) aside_.at = aside_.size + at;
        std::uint64_t from = 0;
        // As reductionAt: the domain part replaces the entry unless it is empty or a safe line,
        // which it can be only when a safe line is as long; only then is it copied whole.
        if (aside_.at != kNone && aside_.at + 1 < size) {
            const std::uint64_t domainSize = size - aside_.at - 1;
            bool safe = false;
            if (domainSize <= longestSafe_) {
                std::string domain;
                bytesFrom(aside_.at + 1, tail, [&](std::string_view part) { domain += part; });
                safe = safe_.contains(domain);
            }
            if (!safe) from = aside_.at + 1;
        }
        bytesFrom(from, tail, [&](std::string_view part) { out_.write(part); });
        aside_ = {};
    }

    // Calls use with the bytes of the long entry from offset from on, in order.
    template <typename Use>
    void bytesFrom(std::uint64_t from, std::string_view tail, Use&& use) const {
        std::uint64_t offset = 0;
        for (const std::string& piece : aside_.pieces) {
            if (offset + piece.size() > from)
                use(std::string_view(piece).substr(from > offset ? from - offset : 0));
            offset += piece.size();
        }
        use(tail.substr(from > offset ? from - offset : 0));
    }

    struct Aside {
        std::vector<std::string> pieces;
        std::uint64_t size = 0;
        std::uint64_t at = kNone;  // the first "@" in them
    };

    const SafeSet safe_;
    std::size_t longestSafe_ = 0;
    Output& out_;
    const std::uint64_t limit_;
    Aside aside_;
    std::size_t lines_ = 0;
};

}  // namespace

void runListCommand(ListCommand command, std::string_view input,
                    std::span<const std::string> safeLines, Output& out) {
    switch (command) {
        case ListCommand::Sort: {
            // The entries are views into the input, written out again in their new order.
            const TextListView list = splitTextList(input);
            for (const std::uint32_t line : boxLineOrder(list.entries)) {
                out.write(list.entries[line]);
                out.write(kBreak);
            }
            return;
        }
        case ListCommand::Dedupe: {
            const TextListView list = splitTextList(input);
            for (const std::uint32_t i : entriesLeftByDeleteDuplicates(list.entries, safeLines)) {
                out.write(list.entries[i]);
                out.write(kBreak);
            }
            return;
        }
        case ListCommand::Offers:
            writeOffers(parseTextList(input).entries, safeLines, out);
            return;
        case ListCommand::Reduce:
            Reducer(safeLines, out, kReadLimit).reduce(input, true);
            return;
        case ListCommand::Export:
            return;  // export streams; main runs it
    }
}

void reduceList(ChunkReader& in, std::span<const std::string> safeLines, Output& out,
                std::uint64_t entryLimit) {
    constexpr std::size_t kPiece = 1 << 20;
    Reducer reducer(safeLines, out, entryLimit);
    std::string held;    // the bytes read and not used yet: at most one unfinished entry
    bool ended = false;  // held has a line end that has not been used
    try {
        for (std::string_view chunk = in.next(); !chunk.empty(); chunk = in.next()) {
            held += chunk;
            ended = ended || findLineEnd(chunk) != std::string_view::npos;
            if (!ended) {
                // held is the start of one entry, which may be long but not without end (a
                // device that never stops giving bytes).
                if (reducer.putAsideSize() + held.size() > entryLimit)
                    throw EntryTooLong(reducer.lines() + 1);
                if (held.size() >= kPiece) reducer.putAside(std::exchange(held, {}));
                continue;
            }
            // Work on a megabyte at a time, and only once an entry can have ended: a long line
            // is read to its end before it is looked at, not scanned again with every block.
            if (held.size() < kPiece) continue;
            held.erase(0, reducer.reduce(held, false));
            // What is left holds no line end but a CR at its very end, held back for a CR LF.
            ended = !held.empty() && held.back() == '\r';
        }
        reducer.reduce(held, true);
    } catch (const EntryTooLong& e) {
        throw in.error("line " + std::to_string(e.lineNumber()) + " is larger than " +
                       sizeText(entryLimit));
    }
}

}  // namespace plevo
