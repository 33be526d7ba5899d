// Feeds any bytes, as the binary data of a rule's word list, to both ways of reading it: split at
// the zero bytes, and as the rules window opens it (zero bytes turned into CR LF, the text split
// at CR LF). No word is empty, none holds its separator, and what is read, written again as the
// mail client stores it, reads back to the same words.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "rules/WordListValue.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "word list value: %s\n", what);
    std::abort();
}

// The text of a binary value as the rules window reads it.
std::string ruleText(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        if (c == '\0')
            text += "\r\n";
        else
            text += c;
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::vector<std::string> words = plevo::wordsOfValue(bytes);
    std::string joined;
    for (const auto& word : words) {
        require(!word.empty(), "an empty word");
        require(word.find('\0') == std::string::npos, "a zero byte in a word");
        joined += word;
    }
    std::string nonZero;
    for (const char c : bytes)
        if (c != '\0') nonZero += c;
    require(joined == nonZero, "the words are the bytes without their zeros");
    const std::string value = plevo::wordListValue(words);
    require(value.size() >= 3 && value.compare(value.size() - 3, 3, std::string(3, '\0')) == 0,
            "a value ends with three zero bytes");
    require(plevo::wordsOfValue(value) == words, "written and read back");

    const std::vector<std::string> opened = plevo::wordsOfRuleText(ruleText(bytes));
    for (const auto& word : opened) {
        require(!word.empty(), "an empty word opened");
        require(word.find("\r\n") == std::string::npos, "a CR LF in a word opened");
    }
    // A save writes the words opened; the next open must find the same ones.
    require(plevo::wordsOfRuleText(ruleText(plevo::wordListValue(opened))) == opened,
            "saved and opened again");
    return 0;
}
