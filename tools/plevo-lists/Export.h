#pragma once
// export: a text list file turned into mail filters while it is read, so that the list never has
// to be held whole.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "platform/Files.h"

namespace plevo {

struct ExportCounts {
    std::size_t written = 0;
    std::size_t leftOut = 0;  // list entries and safe lines
};

// write receives the output in pieces; notice receives one line per entry left out. An entry
// longer than entryLimit stops the export with a FileError that names the input.
ExportCounts exportList(ExportFormat format, ChunkReader& input,
                        std::span<const std::string> safeLines,
                        const std::function<void(std::string_view)>& write,
                        const std::function<void(const std::string&)>& notice,
                        std::uint64_t entryLimit = kReadLimit);

}  // namespace plevo
