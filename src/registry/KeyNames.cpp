#include "registry/KeyNames.h"

namespace plevo {

std::string keyName(std::size_t index) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string reversed;
    do {
        reversed.push_back(kDigits[index % 16]);
        index /= 16;
    } while (index != 0);
    while (reversed.size() < 3) reversed.push_back('0');
    return {reversed.rbegin(), reversed.rend()};
}

std::string orderString(std::size_t count) {
    std::string order;
    for (std::size_t i = 0; i < count; ++i) {
        if (i != 0) order.push_back(' ');
        order += keyName(i);
    }
    return order;
}

std::string joinOrder(const std::vector<std::string>& names) {
    std::string order;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i != 0) order.push_back(' ');
        order += names[i];
    }
    return order;
}

}  // namespace plevo
