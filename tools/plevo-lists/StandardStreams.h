#pragma once
// Standard input and output as raw bytes: a list file passes through unchanged on every system
// (no CR LF translation on Windows).

#include <string>
#include <string_view>

#include "platform/Files.h"

namespace plevo {

// All throw FileError on failure; the whole input may be no larger than a file (kReadLimit).
std::string readStandardInput();
// Standard input a block at a time, for commands that stream.
ChunkReader standardInputChunks();
void writeStandardOutput(std::string_view bytes);

}  // namespace plevo
