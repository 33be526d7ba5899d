#pragma once
// Ranks lines under the folded byte order of LineSort.h: the lines sorted, equal lines grouped
// and kept in the order of their positions. The selection sort's replay starts from this.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace plevo {

struct LineRanks {
    std::vector<std::uint32_t> order;      // the lines by rank; equal lines by position
    std::vector<std::uint32_t> rankStart;  // where each rank begins in order, then order.size()
};

// Uses a second thread for long lists where the platform has threads.
LineRanks rankLines(std::span<const std::string_view> lines);

}  // namespace plevo
