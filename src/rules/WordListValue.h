#pragma once
// The words of one rule criterion as the mail client stores them: each word followed by a zero
// byte but the last, then three zero bytes.

#include <string>
#include <string_view>
#include <vector>

namespace plevo {

// "cheap", "free" -> 63 68 65 61 70 00 66 72 65 65 00 00 00.
std::string wordListValue(const std::vector<std::string>& words);

// Every zero byte ends a word and empty items are dropped, so any number of trailing zeros, or
// none, reads the same.
std::vector<std::string> wordsOfValue(std::string_view bytes);

// The same for the text of a criterion's value with its zero bytes turned into CR LF.
std::vector<std::string> wordsOfRuleText(std::string_view text);

}  // namespace plevo
