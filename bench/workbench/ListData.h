#pragma once
// Blocked-senders lists made up for timing: domain-like names and addresses, with the repeats,
// covered addresses and safe domains a real list has.

#include <cstddef>
#include <string>
#include <vector>

namespace plevo::bench {

struct ListData {
    std::vector<std::string> entries;
    std::vector<std::string> safeLines;
};

// n domain-like lines ("mx3.kelvor.example.net"), about a quarter of them repeated.
std::vector<std::string> domainLines(std::size_t n, unsigned seed);

// n entries, half addresses and half bare domains, drawn from n / 4 domains so that repeats and
// addresses covered by their domain are common; 1000 safe domains, and about 1% of the entries
// are of a safe domain.
ListData mixedList(std::size_t n, unsigned seed);

// n entries and safeCount safe lines for the domain editor's search: most entries have several
// labels, a few contain a safe line.
ListData editList(std::size_t n, std::size_t safeCount, unsigned seed);

}  // namespace plevo::bench
