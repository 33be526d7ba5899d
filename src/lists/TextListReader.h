#pragma once
// A text list file read block by block: hands out each entry as soon as its line is complete, so
// that a list of any length passes through in little memory. The entries are exactly those of
// parseTextList over the whole text. A line of any length passes too: of an entry longer than
// the reader keeps, only the start is held, and one longer than the reader's limit is refused.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace plevo {

// An entry longer than a reader's limit.
class EntryTooLong : public std::length_error {
public:
    explicit EntryTooLong(std::size_t lineNumber)
        : std::length_error("line " + std::to_string(lineNumber) + " is too long"),
          line_(lineNumber) {}
    std::size_t lineNumber() const { return line_; }

private:
    std::size_t line_;
};

class TextListReader {
public:
    // lineNumber counts from 1. entry is the whole entry, or the first `kept` bytes of a longer
    // one however its bytes fell into blocks; size is always the whole entry's length.
    using EntryHandler =
        std::function<void(std::size_t lineNumber, std::string_view entry, std::uint64_t size)>;

    // kept is at least 1. feed and finish throw EntryTooLong for an entry longer than limit.
    explicit TextListReader(EntryHandler onEntry,
                            std::size_t kept = std::numeric_limits<std::size_t>::max(),
                            std::uint64_t limit = std::numeric_limits<std::uint64_t>::max());

    void feed(std::string_view block);
    // The last line, when the text does not end with a line break.
    void finish();

private:
    void emit(std::string_view complete);
    void checkLimit(std::uint64_t size) const;

    EntryHandler onEntry_;
    std::size_t kept_;
    std::uint64_t limit_;
    std::string pending_;        // the start of a line whose end has not been read yet
    std::uint64_t dropped_ = 0;  // bytes of that line read past its kept start
    std::size_t lines_ = 0;
};

}  // namespace plevo
