#include "setup/InstallRecord.h"

#include <algorithm>

namespace plevo {
namespace {

bool separator(char c) {
    return c == '\\' || c == '/';
}

bool letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Control characters, and the characters Windows allows in no name (wildcards among them).
bool forbidden(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '*' || c == '?' || c == '"' || c == '<' ||
           c == '>' || c == '|';
}

// One part of a path. Windows drops trailing dots and blanks from a name, so "Plevo." would be
// "Plevo" and ".. " would be ".."; such parts are refused rather than guessed at.
bool plainPart(std::string_view part) {
    if (part.empty() || part.back() == '.' || part.back() == ' ') return false;
    if (part.find_first_not_of(". ") == std::string_view::npos) return false;
    return std::none_of(part.begin(), part.end(),
                        [](char c) { return forbidden(c) || separator(c) || c == ':'; });
}

}  // namespace

bool isInstallFolderPath(std::string_view text) {
    std::size_t start = 0;
    std::size_t leastParts = 1;
    if (text.size() >= 3 && letter(text[0]) && text[1] == ':' && separator(text[2])) {
        start = 3;
    } else if (text.size() >= 2 && separator(text[0]) && separator(text[1])) {
        start = 2;  // \\server\share\...: the server and the share come first
        leastParts = 3;
#ifndef _WIN32
    } else if (!text.empty() && separator(text[0])) {
        start = 1;
#endif
    } else {
        return false;
    }
    std::size_t parts = 0;
    std::string_view last;
    for (std::size_t from = start;;) {
        const std::size_t to = text.find_first_of("\\/", from);
        last = text.substr(from, to == std::string_view::npos ? std::string_view::npos : to - from);
        if (!plainPart(last)) return false;
        ++parts;
        if (to == std::string_view::npos) break;
        from = to + 1;
    }
    return parts >= leastParts && last == "Plevo";
}

bool isPlainFileName(std::string_view name) {
    return name.size() <= 255 && plainPart(name);
}

std::optional<std::string> rememberedFolderFromText(std::string_view bytes) {
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.remove_suffix(1);
    // A second line, or any control character, fails the path's own test.
    if (!isInstallFolderPath(bytes)) return std::nullopt;
    return std::string(bytes);
}

std::string rememberedFolderText(const std::string& folder) {
    return folder + "\r\n";
}

std::vector<std::string> installedNamesFromText(std::string_view bytes) {
    std::vector<std::string> names;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (isPlainFileName(line) && std::find(names.begin(), names.end(), line) == names.end())
            names.emplace_back(line);
    }
    return names;
}

std::string installedNamesText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += name + "\r\n";
    return text;
}

}  // namespace plevo
