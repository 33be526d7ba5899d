#include "Export.h"

#include <cstdio>
#include <memory>
#include <unordered_set>

#include "FilterWriter.h"
#include "lists/SenderEntry.h"
#include "lists/TextListReader.h"

namespace plevo {
namespace {

// The output is handed on in pieces of about this size.
constexpr std::size_t kPieceSize = 1 << 16;
// Of a longer entry only the start is held: no address or domain is half as long (318 bytes at
// most), and a message shows less.
constexpr std::size_t kKeptBytes = 4096;

// An entry as a message shows it: in quotes, with a byte outside printable ASCII (or a
// backslash) written as an escape, so that no byte of the list reaches the terminal raw. A long
// entry is shown by its start and its length.
std::string shown(std::string_view entry, std::uint64_t size) {
    constexpr std::size_t kShownBytes = 80;
    std::string out = "'";
    for (const char c : entry.substr(0, kShownBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += "'";
    if (size > kShownBytes) out += "... (" + std::to_string(size) + " bytes)";
    return out;
}

std::unique_ptr<FilterWriter> makeWriter(ExportFormat format, std::vector<std::string> safe) {
    switch (format) {
        case ExportFormat::Sieve:
            return makeSieveWriter(std::move(safe));
        case ExportFormat::SpamAssassin:
            return makeSpamAssassinWriter(std::move(safe));
        case ExportFormat::Gmail:
            return makeGmailWriter(std::move(safe));
    }
    return nullptr;
}

}  // namespace

ExportCounts exportList(ExportFormat format, ChunkReader& input,
                        std::span<const std::string> safeLines,
                        const std::function<void(std::string_view)>& write,
                        const std::function<void(const std::string&)>& notice,
                        std::uint64_t entryLimit) {
    ExportCounts counts;
    std::vector<std::string> safe;
    std::unordered_set<std::string_view> seen;
    for (std::size_t k = 0; k < safeLines.size(); ++k) {
        const std::string& line = safeLines[k];
        if (line.empty() || !seen.insert(line).second) continue;
        if (isAscii(line) && isDomainName(line)) {
            safe.push_back(line);
        } else {
            notice("safe list line " + std::to_string(k + 1) + ": left out " +
                   shown(line, line.size()) + ": not a domain");
            ++counts.leftOut;
        }
    }

    const auto writer = makeWriter(format, std::move(safe));
    std::string out;
    std::size_t bytes = 0;
    writer->start(out);
    TextListReader reader(
        [&](std::size_t lineNumber, std::string_view entry, std::uint64_t size) {
            // An empty line holds no entry: there is nothing to leave out.
            if (size == 0) return;
            // Of a long entry only its start is here; it is no address or domain.
            const SenderKind kind = size > entry.size() ? SenderKind::Other : senderKind(entry);
            std::string refusal;
            if (!isAscii(entry))
                refusal = "has bytes outside ASCII, whose character set the list does not say";
            else if (kind == SenderKind::Other)
                refusal = "not an address or a domain";
            else
                refusal = writer->refusal(entry, kind);
            if (!refusal.empty()) {
                notice("line " + std::to_string(lineNumber) + ": left out " + shown(entry, size) +
                       ": " + refusal);
                ++counts.leftOut;
                return;
            }
            writer->add(entry, kind, out);
            ++counts.written;
            if (out.size() >= kPieceSize) {
                write(out);
                bytes += out.size();
                out.clear();
            }
        },
        kKeptBytes, entryLimit);
    try {
        for (std::string_view block = input.next(); !block.empty(); block = input.next())
            reader.feed(block);
        reader.finish();
    } catch (const EntryTooLong& e) {
        throw input.error("line " + std::to_string(e.lineNumber()) + " is larger than " +
                          sizeText(entryLimit));
    }
    writer->finish(out);
    write(out);
    if (const std::string advice = writer->advice(bytes + out.size()); !advice.empty())
        notice(advice);
    return counts;
}

}  // namespace plevo
