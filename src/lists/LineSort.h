#pragma once
// The line order of both lists of the main window: bytes compared after folding a-z onto A-Z,
// nothing else folded, no locale. The sort reproduces a selection sort whose tie-breaking is part
// of its result (equal lines may change their relative order), computed in O(n log n).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plevo {

// <0, 0, >0 as a is smaller, equal or greater than b under the folded byte order.
int compareFolded(std::string_view a, std::string_view b);

// The text with a-z turned into A-Z and every other byte as it is.
std::string upperCaseAZ(std::string_view text);

// The order the selection sort (see LineSort.cpp) leaves the lines in: the line at position i
// afterwards is lines[result[i]]. The lines are not touched, so they may be views into one
// buffer that is written out in this order.
std::vector<std::uint32_t> boxLineOrder(std::span<const std::string_view> lines);

// Sorts lines into exactly the order the selection sort gives.
void sortBoxLines(std::vector<std::string>& lines);

}  // namespace plevo
