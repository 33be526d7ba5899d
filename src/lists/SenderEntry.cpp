#include "lists/SenderEntry.h"

#include <algorithm>

namespace plevo {
namespace {

bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isAtomText(char c) {
    return isLetterOrDigit(c) ||
           std::string_view("!#$%&'*+-/=?^_`{|}~").find(c) != std::string_view::npos;
}

bool isLabel(std::string_view label) {
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
        return false;
    return std::all_of(label.begin(), label.end(),
                       [](char c) { return isLetterOrDigit(c) || c == '-' || c == '_'; });
}

bool isDotAtom(std::string_view text) {
    if (text.empty() || text.front() == '.' || text.back() == '.') return false;
    if (text.find("..") != std::string_view::npos) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '.' || isAtomText(c); });
}

}  // namespace

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isDomainName(std::string_view text) {
    if (text.empty() || text.size() > 253) return false;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = text.find('.', start);
        if (!isLabel(text.substr(start, dot - start))) return false;
        if (dot == std::string_view::npos) return true;
        start = dot + 1;
    }
}

SenderKind senderKind(std::string_view entry) {
    const std::size_t at = entry.find('@');
    if (at == std::string_view::npos)
        return isDomainName(entry) ? SenderKind::Domain : SenderKind::Other;
    const std::string_view local = entry.substr(0, at);
    if (local.size() <= 64 && isDotAtom(local) && isDomainName(entry.substr(at + 1)))
        return SenderKind::Address;
    return SenderKind::Other;
}

std::string_view addressDomain(std::string_view address) {
    return address.substr(address.find('@') + 1);
}

}  // namespace plevo
