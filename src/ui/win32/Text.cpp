#include "ui/win32/Text.h"

#include "ui/MessageText.h"

namespace plevo::ui::win32 {

std::string boxText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\0') c = kNulShownAs;
    return out;
}

std::string displayText(std::string_view text) {
    return boxText(withLineBreaks(text, "\r\n"));
}

std::vector<std::string> splitLines(std::string_view text, bool* endsWithBreak) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    bool brokeLast = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
        brokeLast = start == text.size();
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    if (endsWithBreak) *endsWithBreak = brokeLast;
    return lines;
}

std::vector<std::string> boxLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) break;
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string joinBoxLines(const std::vector<std::string>& lines, bool finalBreak) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines[i];
    }
    if (finalBreak && !lines.empty()) out += "\r\n";
    for (char& c : out)
        if (c == '\0') c = kNulShownAs;
    return out;
}

std::string fileFilter(std::string_view filter) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t bar; (bar = filter.find('|', start)) != std::string_view::npos;) {
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    parts.push_back(filter.substr(start));
    // The dialog reads pairs: a description left without patterns is dropped.
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        out += parts[i];
        out += '\0';
        out += parts[i + 1];
        out += '\0';
    }
    out += '\0';
    if (out.size() == 1) out += '\0';
    return out;
}

}  // namespace plevo::ui::win32
