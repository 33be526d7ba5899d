#include "ListData.h"

#include <random>

namespace plevo::bench {
namespace {

class Maker {
public:
    explicit Maker(unsigned seed) : rng_(seed) {}

    std::size_t below(std::size_t n) { return rng_() % n; }

    std::string label(std::size_t minLength, std::size_t maxLength) {
        static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        std::string s(minLength + below(maxLength - minLength + 1), 'a');
        for (std::size_t k = 0; k < s.size(); ++k)
            s[k] = letters[below(k == 0 ? 26 : sizeof letters - 1)];
        return s;
    }

    std::string domain() {
        static const char* const tops[] = {"com", "net", "org", "example", "info", "co.uk"};
        std::string d;
        for (std::size_t k = below(3); k > 0; --k) d += label(2, 6) + ".";
        d += label(4, 10) + "." + tops[below(std::size(tops))];
        return d;
    }

private:
    std::mt19937_64 rng_;
};

}  // namespace

std::vector<std::string> domainLines(std::size_t n, unsigned seed) {
    Maker make(seed);
    std::vector<std::string> lines(n);
    for (std::size_t k = 0; k < n; ++k)
        lines[k] = k > 0 && make.below(4) == 0 ? lines[make.below(k)] : make.domain();
    return lines;
}

ListData mixedList(std::size_t n, unsigned seed) {
    Maker make(seed);
    ListData data;
    std::vector<std::string> domains(n / 4 + 1);
    for (auto& d : domains) d = make.domain();
    for (std::size_t k = 0; k < 1000; ++k) data.safeLines.push_back(make.domain());
    data.entries.resize(n);
    for (auto& e : data.entries) {
        const std::string& d = make.below(100) == 0 ? data.safeLines[make.below(1000)]
                                                    : domains[make.below(domains.size())];
        e = make.below(2) == 0 ? d : make.label(3, 12) + "@" + d;
    }
    return data;
}

ListData editList(std::size_t n, std::size_t safeCount, unsigned seed) {
    Maker make(seed);
    ListData data;
    for (std::size_t k = 0; k < safeCount; ++k) data.safeLines.push_back(make.domain());
    data.entries.resize(n);
    for (auto& e : data.entries) {
        e = make.below(50) == 0 ? make.label(2, 5) + "." + data.safeLines[make.below(safeCount)]
                                : make.domain();
        if (make.below(4) == 0) e = make.label(3, 12) + "@" + e;
    }
    return data;
}

}  // namespace plevo::bench
