#include "lists/TextListReader.h"

#include <algorithm>
#include <utility>

#include "lists/TextListScan.h"

namespace plevo {

TextListReader::TextListReader(EntryHandler onEntry, std::size_t kept, std::uint64_t limit)
    : onEntry_(std::move(onEntry)), kept_(std::max<std::size_t>(kept, 1)), limit_(limit) {}

void TextListReader::checkLimit(std::uint64_t size) const {
    if (size > limit_) throw EntryTooLong(lines_ + 1);
}

void TextListReader::emit(std::string_view complete) {
    scanEntries(complete, true, [this](std::string_view entry) {
        // Only the first entry can be the rest of a long line.
        const std::uint64_t size = entry.size() + std::exchange(dropped_, 0);
        checkLimit(size);
        onEntry_(++lines_, entry.substr(0, kept_), size);
    });
}

void TextListReader::feed(std::string_view block) {
    // Of a long line only the start is held: the bytes up to its end are counted. A CR at the
    // end of what is held has ended it already.
    if (dropped_ > 0 && pending_.back() != '\r') {
        const std::size_t end = findLineEnd(block);
        dropped_ += std::min(end, block.size());
        checkLimit(pending_.size() + dropped_);
        if (end == std::string_view::npos) return;
        block.remove_prefix(end);
    }
    const std::size_t before = pending_.size();
    pending_ += block;
    // Cut after the last line end that is known to be whole: a CR at the very end may yet be the
    // first half of a CR LF. What was pending holds no line end but such a CR at its end, so only
    // the new bytes are searched: a long line costs its length, not its length squared.
    const std::size_t start = before > 0 ? before - 1 : 0;
    std::size_t cut = pending_.size();
    if (cut > 0 && pending_[cut - 1] == '\r') --cut;
    while (cut > start && pending_[cut - 1] != '\n' && pending_[cut - 1] != '\r') --cut;
    if (cut > start) {
        emit(std::string_view(pending_).substr(0, cut));
        pending_.erase(0, cut);
    }
    // What is left is the start of one line: past kept_ bytes it is only counted.
    if (pending_.size() > kept_ && pending_.back() != '\r') {
        dropped_ += pending_.size() - kept_;
        pending_.resize(kept_);
        checkLimit(kept_ + dropped_);
    }
}

void TextListReader::finish() {
    emit(pending_);
    pending_.clear();
}

}  // namespace plevo
