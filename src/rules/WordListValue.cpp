#include "rules/WordListValue.h"

namespace plevo {

std::string wordListValue(const std::vector<std::string>& words) {
    std::string bytes;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i != 0) bytes.push_back('\0');
        bytes += words[i];
    }
    bytes.append(3, '\0');
    return bytes;
}

namespace {

std::vector<std::string> splitDroppingEmpty(std::string_view text, std::string_view separator) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) words.emplace_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    return words;
}

}  // namespace

std::vector<std::string> wordsOfValue(std::string_view bytes) {
    return splitDroppingEmpty(bytes, std::string_view("\0", 1));
}

std::vector<std::string> wordsOfRuleText(std::string_view text) {
    return splitDroppingEmpty(text, "\r\n");
}

}  // namespace plevo
