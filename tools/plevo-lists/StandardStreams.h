#pragma once
// Standard input and output as raw bytes: a list file passes through unchanged on every system
// (no CR LF translation on Windows).

#include <string>
#include <string_view>

namespace plevo {

// Both throw FileError on failure; the input may be no larger than a file (kReadLimit).
std::string readStandardInput();
void writeStandardOutput(std::string_view bytes);

}  // namespace plevo
