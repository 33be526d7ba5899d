#include "ui/MessageText.h"

namespace plevo::ui {

std::string withLineBreaks(std::string_view text, std::string_view lineBreak) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r') {
            out += c;
            continue;
        }
        out += lineBreak;
        const char pair = c == '\n' ? '\r' : '\n';
        if (i + 1 < text.size() && text[i + 1] == pair) ++i;
    }
    return out;
}

}  // namespace plevo::ui
