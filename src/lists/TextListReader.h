#pragma once
// A text list file read block by block: hands out each entry as soon as its line is complete, so
// that a list of any length passes through in little memory. The entries are exactly those of
// parseTextList over the whole text.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace plevo {

class TextListReader {
public:
    // lineNumber counts from 1.
    using EntryHandler = std::function<void(std::size_t lineNumber, std::string_view entry)>;

    explicit TextListReader(EntryHandler onEntry);

    void feed(std::string_view block);
    // The last line, when the text does not end with a line break.
    void finish();

private:
    void emit(std::string_view complete);

    EntryHandler onEntry_;
    std::string pending_;  // the start of a line whose end has not been read yet
    std::size_t lines_ = 0;
};

}  // namespace plevo
