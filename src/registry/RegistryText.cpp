#include "registry/RegistryText.h"

namespace plevo {

namespace {

bool continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The length of the sequence at s[i] and its code point; 0 when no valid sequence starts there.
// Surrogate code points are valid (see the header); overlong forms are not.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& c) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char b = at(0);
    const std::size_t left = s.size() - i;
    if (b < 0x80) {
        c = b;
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF) {
        if (left < 2 || !continuation(at(1))) return 0;
        c = (char32_t{b} & 0x1F) << 6 | (at(1) & 0x3F);
        return 2;
    }
    if (b >= 0xE0 && b <= 0xEF) {
        if (left < 3 || !continuation(at(1)) || !continuation(at(2))) return 0;
        if (b == 0xE0 && at(1) < 0xA0) return 0;
        c = (char32_t{b} & 0x0F) << 12 | char32_t{at(1) & 0x3Fu} << 6 | (at(2) & 0x3F);
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (left < 4 || !continuation(at(1)) || !continuation(at(2)) || !continuation(at(3)))
            return 0;
        if ((b == 0xF0 && at(1) < 0x90) || (b == 0xF4 && at(1) > 0x8F)) return 0;
        c = (char32_t{b} & 0x07) << 18 | char32_t{at(1) & 0x3Fu} << 12 |
            char32_t{at(2) & 0x3Fu} << 6 | (at(3) & 0x3F);
        return 4;
    }
    return 0;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void appendUnit(std::string& out, char32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

char32_t unitAt(std::string_view utf16, std::size_t k) {
    return static_cast<unsigned char>(utf16[2 * k]) |
           char32_t{static_cast<unsigned char>(utf16[2 * k + 1])} << 8;
}

}  // namespace

std::string utf16ToUtf8(std::string_view utf16) {
    const std::size_t units = utf16.size() / 2;
    std::string out;
    out.reserve(units);
    for (std::size_t k = 0; k < units; ++k) {
        char32_t c = unitAt(utf16, k);
        if (c >= 0xD800 && c <= 0xDBFF && k + 1 < units) {
            const char32_t low = unitAt(utf16, k + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++k;
            }
        }
        appendUtf8(out, c);
    }
    return out;
}

std::string utf8ToUtf16(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        std::size_t length = decodeUtf8(utf8, i, c);
        if (length == 0) {
            c = static_cast<unsigned char>(utf8[i]);
            length = 1;
        }
        i += length;
        if (c >= 0x10000) {
            appendUnit(out, 0xD800 + ((c - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            appendUnit(out, c);
        }
    }
    return out;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char ch : latin1) appendUtf8(out, static_cast<unsigned char>(ch));
    return out;
}

std::optional<std::string> utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = decodeUtf8(utf8, i, c);
        if (length == 0 || c > 0xFF) return std::nullopt;
        out.push_back(static_cast<char>(c));
        i += length;
    }
    return out;
}

std::string latin1ToUtf16(std::string_view latin1) {
    std::string out(latin1.size() * 2, '\0');
    for (std::size_t i = 0; i < latin1.size(); ++i) out[2 * i] = latin1[i];
    return out;
}

std::optional<std::string> utf16ToLatin1(std::string_view utf16) {
    std::string out(utf16.size() / 2, '\0');
    for (std::size_t k = 0; k < out.size(); ++k) {
        if (utf16[2 * k + 1] != '\0') return std::nullopt;
        out[k] = utf16[2 * k];
    }
    return out;
}

std::size_t utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = decodeUtf8(utf8, i, c);
        units += length == 4 ? 2 : 1;
        i += length == 0 ? 1 : length;
    }
    return units;
}

std::optional<std::size_t> invalidUtf8At(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c = 0;
        const std::size_t length = decodeUtf8(bytes, i, c);
        if (length == 0) return i;
        i += length;
    }
    return std::nullopt;
}

}  // namespace plevo
