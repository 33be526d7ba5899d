#include "lists/TextList.h"

#include <algorithm>

#include "lists/TextListScan.h"

namespace plevo {

TextList parseTextList(std::string_view bytes) {
    TextList list;
    list.endsWithBreak = scanEntries(bytes, true, [&](std::string_view entry) {
                             list.entries.emplace_back(entry);
                         }).endsWithBreak;
    return list;
}

TextListView splitTextList(std::string_view bytes) {
    TextListView list;
    // Every entry but the last ends with an LF or a lone CR; an LF count is a close bound for
    // the usual files (only pages that are used take memory).
    list.entries.reserve(countLineFeeds(bytes) + 1);
    list.endsWithBreak = scanEntries(bytes, true, [&](std::string_view entry) {
                             list.entries.push_back(entry);
                         }).endsWithBreak;
    return list;
}

std::string formatTextList(const TextList& list) {
    std::size_t size = 0;
    for (const auto& e : list.entries) size += e.size() + 2;
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += list.entries[i];
    }
    if (list.endsWithBreak && !list.entries.empty()) out += "\r\n";
    return out;
}

std::string formatRebuiltList(const std::vector<std::string>& entries) {
    return formatTextList(TextList{entries, true});
}

}  // namespace plevo
