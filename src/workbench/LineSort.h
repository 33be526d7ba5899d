#pragma once
// The line order of both lists of the main window: bytes compared after folding a-z onto A-Z,
// nothing else folded, no locale. The sort reproduces a selection sort whose tie-breaking is part
// of its result (equal lines may change their relative order), computed in O(n log n).

#include <string>
#include <string_view>
#include <vector>

namespace plevo {

// <0, 0, >0 as a is smaller, equal or greater than b under the folded byte order.
int compareFolded(std::string_view a, std::string_view b);

// The text with a-z turned into A-Z and every other byte as it is.
std::string upperCaseAZ(std::string_view text);

// Sorts lines into exactly the order the selection sort gives (see LineSort.cpp).
void sortBoxLines(std::vector<std::string>& lines);

}  // namespace plevo
