#pragma once
// The four commands of plevo-lists on the bytes of a text list file, giving the bytes the
// window would write after the same operation.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "Output.h"
#include "platform/Files.h"

namespace plevo {

// dedupe, sort and offers: they need the whole list at once.
void runListCommand(ListCommand command, std::string_view input,
                    std::span<const std::string> safeLines, Output& out);

// reduce changes each entry on its own, so it reads, changes and writes the list piece by piece.
// An entry longer than entryLimit stops it with a FileError that names the input.
void reduceList(ChunkReader& in, std::span<const std::string> safeLines, Output& out,
                std::uint64_t entryLimit = kReadLimit);

}  // namespace plevo
