#include "lists/TextListReader.h"

#include <utility>

#include "lists/TextListScan.h"

namespace plevo {

TextListReader::TextListReader(EntryHandler onEntry) : onEntry_(std::move(onEntry)) {}

void TextListReader::emit(std::string_view complete) {
    scanEntries(complete, true, [this](std::string_view entry) { onEntry_(++lines_, entry); });
}

void TextListReader::feed(std::string_view block) {
    const std::size_t before = pending_.size();
    pending_ += block;
    // Cut after the last line end that is known to be whole: a CR at the very end may yet be the
    // first half of a CR LF. What was pending holds no line end but such a CR at its end, so only
    // the new bytes are searched: a long line costs its length, not its length squared.
    const std::size_t start = before > 0 ? before - 1 : 0;
    std::size_t cut = pending_.size();
    if (cut > 0 && pending_[cut - 1] == '\r') --cut;
    while (cut > start && pending_[cut - 1] != '\n' && pending_[cut - 1] != '\r') --cut;
    if (cut == start) return;
    emit(std::string_view(pending_).substr(0, cut));
    pending_.erase(0, cut);
}

void TextListReader::finish() {
    emit(pending_);
    pending_.clear();
}

}  // namespace plevo
