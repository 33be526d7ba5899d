#include <algorithm>

#include "registry/RegFile.h"
#include "registry/RegFileText.h"
#include "registry/RegistryText.h"

namespace plevo {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// prefix is lower case.
bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = s[i] >= 'A' && s[i] <= 'Z' ? static_cast<char>(s[i] + 32) : s[i];
        if (c != prefix[i]) return false;
    }
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the decoded text line by line; CR LF, LF and CR each end a line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        const std::size_t end = text_.find_first_of("\r\n", pos_);
        ++number_;
        if (end == std::string_view::npos) {
            line = text_.substr(pos_);
            pos_ = text_.size();
        } else {
            line = text_.substr(pos_, end - pos_);
            pos_ = end + 1;
            if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        }
        return true;
    }
    int number() const { return number_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

class Parser {
public:
    Parser(std::string_view text, RegFile& out) : lines_(text), out_(out) {}

    void run() {
        std::string_view line;
        if (!lines_.next(line)) fail("the file is empty");
        const std::string_view header = trimRight(line);
        if (header == kRegFileHeader5) {
            out_.version5 = true;
        } else if (header == kRegFileHeader4) {
            out_.version5 = false;
        } else {
            fail(std::string("not a registry file: the first line must be \"") +
                 std::string(kRegFileHeader5) + "\" or \"" + std::string(kRegFileHeader4) + "\"");
        }
        while (lines_.next(line)) {
            const std::string_view body = trimLeft(line);
            if (body.empty()) continue;
            if (body.front() == '[') {
                checkNoNul(body);
                keyLine(body);
            } else if (body.front() == '"' || body.front() == '@') {
                checkNoNul(body);
                valueLine(body);
            }
            // Comments and any other line are not ours to read.
        }
    }

private:
    [[noreturn]] void fail(const std::string& reason) const {
        throw RegFileError(std::max(lines_.number(), 1), reason);
    }

    void checkNoNul(std::string_view line) const {
        if (line.find('\0') != std::string_view::npos) fail("the line contains a NUL character");
    }

    void keyLine(std::string_view line) {
        const std::size_t close = line.rfind(']');
        if (close == std::string_view::npos) fail("the key line has no closing ]");
        std::string_view inner = line.substr(1, close - 1);
        RegFileKey key;
        key.line = lines_.number();
        if (!inner.empty() && inner.front() == '-') {
            key.remove = true;
            inner.remove_prefix(1);
        }
        const std::size_t cut = inner.find('\\');
        key.root = std::string(inner.substr(0, cut));
        if (key.root.empty()) fail("the key line names no root key");
        if (cut != std::string_view::npos) {
            const std::string_view path = inner.substr(cut + 1);
            checkKeyPath(path);
            key.path = std::string(path);
        }
        out_.keys.push_back(std::move(key));
        current_ = out_.keys.size() - 1;
    }

    void checkKeyPath(std::string_view path) const {
        std::size_t depth = 0;
        while (true) {
            const std::size_t cut = path.find('\\');
            const std::string_view part = path.substr(0, cut);
            if (part.empty()) fail("the key path has an empty key name");
            if (utf16Length(part) > kMaxKeyNameLength)
                fail("a key name is longer than 255 characters");
            if (++depth > kMaxKeyDepth) fail("the key path is deeper than 512 levels");
            if (cut == std::string_view::npos) return;
            path.remove_prefix(cut + 1);
        }
    }

    // Reads a quoted text starting at its opening quote; \\ and \" are the escapes, any other
    // backslash stands for itself. Returns the rest of the line after the closing quote.
    std::string_view quoted(std::string_view s, std::string& text, const char* what) const {
        for (std::size_t i = 1; i < s.size(); ++i) {
            const char c = s[i];
            if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
                text.push_back(s[++i]);
            } else if (c == '"') {
                return s.substr(i + 1);
            } else {
                text.push_back(c);
            }
        }
        fail(std::string("unterminated ") + what);
    }

    // Nothing but blanks and a comment may follow the data.
    void checkEnd(std::string_view rest, const char* what) const {
        rest = trimLeft(rest);
        if (!rest.empty() && rest.front() != ';')
            fail(std::string("unexpected text after ") + what);
    }

    void valueLine(std::string_view line) {
        RegFileValue value;
        std::string_view rest;
        if (line.front() == '@') {
            rest = line.substr(1);
        } else {
            rest = quoted(line, value.name, "value name");
            if (utf16Length(value.name) > kMaxValueNameLength)
                fail("the value name is longer than 16383 characters");
        }
        rest = trimLeft(rest);
        if (rest.empty() || rest.front() != '=') fail("the value name is not followed by =");
        rest = trimLeft(rest.substr(1));
        data(rest, value);
        // Values before any key line, or under a deleted key, belong to no key.
        if (current_ && !out_.keys[*current_].remove)
            out_.keys[*current_].values.push_back(std::move(value));
    }

    void data(std::string_view rest, RegFileValue& value) {
        if (rest.empty()) fail("the value has no data");
        if (rest.front() == '-') {
            checkEnd(rest.substr(1), "-");
            value.remove = true;
        } else if (rest.front() == '"') {
            std::string text;
            checkEnd(quoted(rest, text, "string"), "the closing quote");
            value.type = kRegSz;
            value.data = utf8ToUtf16(text);
            value.data.append(2, '\0');
        } else if (startsWithNoCase(rest, "dword:")) {
            value.type = kRegDword;
            value.data = dword(rest.substr(6));
        } else if (startsWithNoCase(rest, "hex:")) {
            value.type = kRegBinary;
            value.data = hexList(rest.substr(4));
        } else if (startsWithNoCase(rest, "hex(")) {
            rest.remove_prefix(4);
            const std::size_t close = rest.find(')');
            if (close == std::string_view::npos || close == 0 || close > 8 ||
                close + 1 >= rest.size() || rest[close + 1] != ':')
                fail("hex(N): needs 1 to 8 hex digits for the type");
            std::uint32_t type = 0;
            for (std::size_t i = 0; i < close; ++i) {
                const int d = hexDigit(rest[i]);
                if (d < 0) fail("hex(N): needs 1 to 8 hex digits for the type");
                type = type * 16 + static_cast<std::uint32_t>(d);
            }
            value.type = type;
            value.data = hexList(rest.substr(close + 2));
            // Version 5 gives a string's bytes as stored (UTF-16LE), REGEDIT4 as 8-bit text.
            if (!out_.version5 && isStringType(type)) value.data = latin1ToUtf16(value.data);
        } else {
            fail("unknown kind of data (expected \"text\", dword:, hex: or hex(N):)");
        }
    }

    std::string dword(std::string_view digits) const {
        std::uint32_t n = 0;
        std::size_t count = 0;
        while (count < digits.size() && hexDigit(digits[count]) >= 0) {
            if (count == 8) fail("dword: takes 1 to 8 hex digits");
            n = n * 16 + static_cast<std::uint32_t>(hexDigit(digits[count]));
            ++count;
        }
        if (count == 0) fail("dword: takes 1 to 8 hex digits");
        checkEnd(digits.substr(count), "the dword");
        return littleEndian(n);
    }

    // A comma-separated byte list; a line ending in a backslash goes on on the next line, whose
    // leading blanks are skipped. Comment lines may stand between; a blank line or the end of
    // the file ends the list.
    std::string hexList(std::string_view segment) {
        std::string bytes;
        while (true) {
            const std::size_t comment = segment.find(';');
            if (comment != std::string_view::npos) segment = segment.substr(0, comment);
            segment = trimRight(trimLeft(segment));
            const bool goesOn = !segment.empty() && segment.back() == '\\';
            if (goesOn) segment = trimRight(segment.substr(0, segment.size() - 1));
            hexBytes(segment, bytes);
            if (!goesOn) return bytes;
            std::string_view line;
            do {
                if (!lines_.next(line)) return bytes;  // a file cut short ends the list
                line = trimLeft(line);
            } while (!line.empty() && line.front() == ';');
            if (line.empty()) return bytes;
            checkNoNul(line);
            segment = line;
        }
    }

    // Names at most 16 characters of the token.
    [[noreturn]] void badByte(std::string_view token, std::string_view before,
                              std::string_view after) const {
        std::string reason(before);
        reason.append(token.substr(0, 16));
        reason.append(after);
        fail(reason);
    }

    void hexBytes(std::string_view s, std::string& bytes) const {
        while (!s.empty()) {
            const std::size_t comma = s.find(',');
            const std::string_view token = trimRight(trimLeft(s.substr(0, comma)));
            if (token.empty()) fail("a hex byte is missing between commas");
            unsigned value = 0;
            for (const char c : token) {
                const int d = hexDigit(c);
                if (d < 0) badByte(token, "\"", "\" is not a hex byte");
                value = value * 16 + static_cast<unsigned>(d);
                if (value > 0xff) badByte(token, "hex byte ", " is over ff");
            }
            bytes.push_back(static_cast<char>(value));
            if (comma == std::string_view::npos) break;
            s.remove_prefix(comma + 1);
            // A comma at the very end is allowed.
        }
    }

    LineReader lines_;
    RegFile& out_;
    std::optional<std::size_t> current_;
};

}  // namespace

RegFileError::RegFileError(int line, const std::string& reason)
    : std::runtime_error("line " + std::to_string(line) + ": " + reason),
      line_(line),
      reason_(reason) {}

bool RegFileKey::isCurrentUser() const {
    return foldTreeName(root) == kCurrentUserRoot;
}

RegFile parseRegFile(std::string_view bytes) {
    RegFile file;
    const DecodedText decoded = decodeRegText(bytes);
    if (decoded.invalidAt) {
        throw RegFileError(
            countLines(std::string_view(decoded.text).substr(0, *decoded.invalidAt)),
            "the text is not valid UTF-8, though the file begins with the UTF-8 byte-order mark");
    }
    Parser parser(decoded.text, file);
    parser.run();
    if (decoded.oddByte) {
        throw RegFileError(countLines(decoded.text),
                           "the file ends in the middle of a UTF-16 character");
    }
    return file;
}

bool applyRegFile(RegFile&& file, const RegKey::Ptr& root) {
    bool changed = false;
    for (RegFileKey& key : file.keys) {
        if (!key.isCurrentUser()) continue;
        if (key.remove) {
            changed = deleteKey(root, key.path) || changed;
            continue;
        }
        RegKey::Ptr target = findKey(root, key.path);
        if (!target) {
            target = createKey(root, key.path);
            if (!target) continue;  // the parser has checked the path already
            changed = true;
        }
        for (RegFileValue& value : key.values) {
            if (value.remove) {
                changed = target->removeValue(value.name) || changed;
            } else {
                target->setValue(value.name, value.type, std::move(value.data));
                changed = true;
            }
        }
    }
    return changed;
}

}  // namespace plevo
