#pragma once
// Names of numbered keys (entry, rule, criterion and action keys) and the "Order" strings that
// list them: the index in upper-case hexadecimal, at least three digits.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plevo {

// 0 -> "000", 10 -> "00A", 4095 -> "FFF", 4096 -> "1000".
std::string keyName(std::size_t index);

// The names of 0 .. count-1 separated by single spaces; empty for none.
std::string orderString(std::size_t count);

// Any names joined the same way.
std::string joinOrder(const std::vector<std::string>& names);

}  // namespace plevo
