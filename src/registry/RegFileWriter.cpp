#include <cstdio>

#include "registry/RegFile.h"
#include "registry/RegFileText.h"
#include "registry/RegistryText.h"

namespace plevo {

namespace {

constexpr std::size_t kMaxLine = 80;
constexpr std::string_view kEol = "\r\n";

void appendQuoted(std::string& out, std::string_view text) {
    out.push_back('"');
    for (const char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
}

// A string that the quoted form gives back byte for byte: whole UTF-16 units, one terminating
// zero and no zero or line end inside.
bool quotable(const RegValue& v) {
    const std::string& d = v.data;
    if (v.type != kRegSz || d.size() < 2 || d.size() % 2 != 0) return false;
    if (d[d.size() - 2] != '\0' || d[d.size() - 1] != '\0') return false;
    for (std::size_t i = 0; i + 2 < d.size(); i += 2) {
        if (d[i + 1] == '\0' && (d[i] == '\0' || d[i] == '\r' || d[i] == '\n')) return false;
    }
    return true;
}

void appendHex(std::string& out, std::size_t lineStart, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool last = i + 1 == bytes.size();
        // Every line keeps room for its ",\"; each line holds at least one byte.
        const std::size_t need = last ? 2 : 4;
        if (out.size() - lineStart + need > kMaxLine && out[out.size() - 1] == ',') {
            out += "\\";
            out += kEol;
            lineStart = out.size();
            out += "  ";
        }
        const auto b = static_cast<unsigned char>(bytes[i]);
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 15]);
        if (!last) out.push_back(',');
    }
}

void appendValue(std::string& out, const RegValue& v) {
    const std::size_t lineStart = out.size();
    if (v.name.empty()) {
        out.push_back('@');
    } else {
        appendQuoted(out, v.name);
    }
    out.push_back('=');
    if (quotable(v)) {
        appendQuoted(out, utf16ToUtf8(std::string_view(v.data).substr(0, v.data.size() - 2)));
    } else if (v.type == kRegDword && v.data.size() == 4) {
        std::uint32_t n = 0;
        for (int i = 3; i >= 0; --i)
            n = (n << 8) | static_cast<unsigned char>(v.data[static_cast<std::size_t>(i)]);
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x", static_cast<unsigned>(n));
        out += buf;
    } else {
        if (v.type == kRegBinary) {
            out += "hex:";
        } else {
            char buf[24];
            std::snprintf(buf, sizeof buf, "hex(%x):", static_cast<unsigned>(v.type));
            out += buf;
        }
        // String types too: their bytes as stored, UTF-16LE, whatever those hold.
        appendHex(out, lineStart, v.data);
    }
    out += kEol;
}

void appendKey(std::string& out, const RegKey& key, std::string& path) {
    out += '[';
    out += kCurrentUserRoot;
    if (!path.empty()) {
        out += '\\';
        out += path;
    }
    out += ']';
    out += kEol;
    for (const RegValue& v : key.values()) appendValue(out, v);
    out += kEol;
    for (const auto& [folded, child] : key.subkeys()) {
        const std::size_t keep = path.size();
        if (!path.empty()) path += '\\';
        path += child->name();
        appendKey(out, *child, path);  // the depth is bounded by kMaxKeyDepth
        path.resize(keep);
    }
}

}  // namespace

std::string formatRegFile(const RegKey& root, RegFileEncoding encoding) {
    std::string out(kRegFileHeader5);
    out += kEol;
    out += kEol;
    std::string path;
    if (!root.values().empty()) {
        appendKey(out, root, path);
    } else {
        for (const auto& [folded, child] : root.subkeys()) {
            path = child->name();
            appendKey(out, *child, path);
        }
    }
    return encoding == RegFileEncoding::Utf16 ? encodeUtf16(out) : encodeUtf8(out);
}

}  // namespace plevo
