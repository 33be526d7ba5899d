#include "Commands.h"

#include <vector>

#include "lists/LineSort.h"
#include "lists/ListOperations.h"
#include "lists/TextList.h"
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

// "Remove email name" on the entries of bytes (see scanEntries for final); returns the bytes
// used. Entries are replaced in place, so the list keeps the form it was read in: an entry read
// with a line end is written with CR LF, a last one without stays without.
std::size_t writeReduced(std::string_view bytes, bool final, const SafeSet& safe, Output& out) {
    const char* const end = bytes.data() + bytes.size();
    return scanEntriesMarking<'@'>(bytes, final,
                                   [&](std::string_view entry, std::size_t at) {
                                       out.write(reductionAt(entry, at, safe).value_or(entry));
                                       if (!final || entry.data() + entry.size() != end)
                                           out.write(kBreak);
                                   })
        .used;
}

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
            writeReduced(input, true, SafeSet(safeLines), out);
            return;
        case ListCommand::Export:
            return;  // export streams; main runs it
    }
}

void reduceList(ChunkReader& in, std::span<const std::string> safeLines, Output& out) {
    const SafeSet safe(safeLines);
    std::string held;    // the bytes read and not used yet: at most one unfinished entry
    bool ended = false;  // held has a line end that has not been used
    for (std::string_view chunk = in.next(); !chunk.empty(); chunk = in.next()) {
        held += chunk;
        ended = ended || chunk.find_first_of("\r\n") != std::string_view::npos;
        // One entry may be long, but not without end (a device that never stops giving bytes).
        if (held.size() > kReadLimit)
            throw FileError("Cannot read the list: an entry is larger than " +
                            sizeText(kReadLimit));
        // Work on a megabyte at a time, and only once an entry can have ended: a long line is
        // read to its end before it is looked at, not scanned again with every block.
        if (held.size() < (1u << 20) || !ended) continue;
        held.erase(0, writeReduced(held, false, safe, out));
        // What is left holds no line end but a CR at its very end, held back for a CR LF.
        ended = !held.empty() && held.back() == '\r';
    }
    writeReduced(held, true, safe, out);
}

}  // namespace plevo
