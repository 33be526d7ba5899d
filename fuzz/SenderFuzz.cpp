// Feeds any bytes, as a blocked senders list, to the reading of addresses and domains and to
// export in every format. Each entry's kind agrees with the grammar checked character by
// character; export names every entry it leaves out, and no web mail filter's criteria pass
// 1,500 characters. Lines starting with "+" are also the safe list (without the "+").

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Export.h"
#include "FilterWriter.h"
#include "lists/SenderEntry.h"
#include "lists/TextList.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "senders: %s\n", what);
    std::abort();
}

bool letterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Domain names read one character at a time: labels of 1 to 63 letters, digits, "-" and "_",
// not starting or ending with "-", joined by dots, 253 characters in all.
bool plainDomain(std::string_view text) {
    if (text.empty() || text.size() > 253) return false;
    std::size_t label = 0;
    char previous = '.';
    for (const char c : text) {
        if (c == '.') {
            if (label == 0 || previous == '-') return false;
            label = 0;
        } else if (letterOrDigit(c) || c == '_' || (c == '-' && label > 0)) {
            if (++label > 63) return false;
        } else {
            return false;
        }
        previous = c;
    }
    return label > 0 && previous != '-';
}

bool plainLocalPart(std::string_view text) {
    if (text.empty() || text.size() > 64) return false;
    char previous = '.';
    for (const char c : text) {
        const bool atom = letterOrDigit(c) ||
                          std::string_view("!#$%&'*+-/=?^_`{|}~").find(c) != std::string_view::npos;
        if (!atom && (c != '.' || previous == '.')) return false;
        previous = c;
    }
    return previous != '.';
}

plevo::SenderKind plainKind(std::string_view entry) {
    const std::size_t at = entry.find('@');
    if (at == std::string_view::npos)
        return plainDomain(entry) ? plevo::SenderKind::Domain : plevo::SenderKind::Other;
    return plainLocalPart(entry.substr(0, at)) && plainDomain(entry.substr(at + 1))
               ? plevo::SenderKind::Address
               : plevo::SenderKind::Other;
}

std::string xmlText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::pair<std::string_view, char> entities[] = {
            {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&apos;", '\''}, {"&quot;", '"'}};
        bool replaced = false;
        for (const auto& [entity, c] : entities) {
            if (text.substr(i, entity.size()) != entity) continue;
            out += c;
            i += entity.size() - 1;
            replaced = true;
            break;
        }
        if (!replaced) out += text[i];
    }
    return out;
}

// Each filter's criteria: its from and doesNotHaveTheWord values together.
void checkGmailFilters(const std::string& xml) {
    for (std::size_t start = xml.find("<entry>"); start != std::string::npos;
         start = xml.find("<entry>", start + 1)) {
        const std::size_t end = xml.find("</entry>", start);
        require(end != std::string::npos, "a filter without its end");
        std::size_t criteria = 0;
        for (const std::string_view name : {"from", "doesNotHaveTheWord"}) {
            const std::string key = "name='" + std::string(name) + "' value='";
            const std::size_t at = xml.find(key, start);
            if (at == std::string::npos || at > end) continue;
            const std::size_t from = at + key.size();
            criteria +=
                xmlText(std::string_view(xml).substr(from, xml.find('\'', from) - from)).size();
        }
        require(criteria > 0 && criteria <= plevo::kGmailCriteriaLimit, "a filter's criteria");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const plevo::TextList list = plevo::parseTextList(text);
    std::vector<std::string> safe;
    std::size_t entries = 0;
    for (const auto& entry : list.entries) {
        const plevo::SenderKind kind = plevo::senderKind(entry);
        require(kind == plainKind(entry), "the kind of an entry");
        require(plevo::isDomainName(entry) == plainDomain(entry), "a domain name");
        if (kind == plevo::SenderKind::Address)
            require(plevo::addressDomain(entry) == entry.substr(entry.find('@') + 1),
                    "the domain of an address");
        if (!entry.empty() && entry[0] == '+') safe.push_back(entry.substr(1));
        if (!entry.empty()) ++entries;
    }
    if (size == 0) return 0;  // fmemopen takes no empty buffer

    for (const auto format : {plevo::ExportFormat::Sieve, plevo::ExportFormat::SpamAssassin,
                              plevo::ExportFormat::Gmail}) {
        std::FILE* stream = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
        require(stream != nullptr, "fmemopen");
        plevo::ChunkReader input(stream, "the list");
        std::string out;
        std::size_t listNotices = 0;
        const plevo::ExportCounts counts = plevo::exportList(
            format, input, safe, [&](std::string_view bytes) { out += bytes; },
            [&](const std::string& line) { listNotices += line.starts_with("line "); });
        std::fclose(stream);
        require(counts.written + listNotices == entries, "every entry written or named");
        if (format == plevo::ExportFormat::Gmail) checkGmailFilters(out);
    }
    return 0;
}
