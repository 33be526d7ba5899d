#include "workbench/TextList.h"

namespace plevo {

TextList parseTextList(std::string_view bytes) {
    TextList list;
    std::size_t start = 0;
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        list.entries.emplace_back(bytes.substr(start, i - start));
        // CR LF is one line end; LF CR is two (an empty entry lies between them).
        i += (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < n) {
        list.entries.emplace_back(bytes.substr(start));
        list.endsWithBreak = false;
    } else {
        list.endsWithBreak = !list.entries.empty();
    }
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
