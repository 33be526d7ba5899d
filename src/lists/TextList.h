#pragma once
// The text list file: plain 8-bit text, one entry per line. The same format serves the working
// list, the safe list, the registry backups and the rules window's word import.

#include <string>
#include <string_view>
#include <vector>

namespace plevo {

struct TextList {
    std::vector<std::string> entries;
    // Whether the text ends with a line break after its last entry. A list read from a file keeps
    // the form it had; a list rebuilt entry by entry always ends with one.
    bool endsWithBreak = false;

    bool operator==(const TextList&) const = default;
};

// A text list whose entries are views into the bytes it was read from, for lists too long to
// copy entry by entry; the bytes must outlive it.
struct TextListView {
    std::vector<std::string_view> entries;
    bool endsWithBreak = false;
};

// CR LF, a lone CR and a lone LF each end a line, so LF CR ends two lines with an empty entry
// between them. An empty text gives an empty list.
TextList parseTextList(std::string_view bytes);
TextListView splitTextList(std::string_view bytes);

// The entries joined by CR LF, plus a final CR LF when endsWithBreak is set and there are entries.
std::string formatTextList(const TextList& list);

// A list rebuilt entry by entry: every entry followed by CR LF.
std::string formatRebuiltList(const std::vector<std::string>& entries);

}  // namespace plevo
