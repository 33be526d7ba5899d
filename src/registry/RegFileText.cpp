#include "registry/RegFileText.h"

#include "registry/RegistryAccess.h"

namespace plevo {

namespace {

char unitToByte(unsigned unit) {
    return unit <= 0xff ? static_cast<char>(unit) : '?';
}

}  // namespace

DecodedText decodeRegText(std::string_view bytes) {
    DecodedText out;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xff &&
        static_cast<unsigned char>(bytes[1]) == 0xfe) {
        out.text = utf16ToEightBit(bytes.substr(2));
        out.oddByte = bytes.size() % 2 != 0;
        return out;
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xef\xbb\xbf") bytes.remove_prefix(3);
    out.text = std::string(bytes);
    return out;
}

std::string utf16ToEightBit(std::string_view bytes) {
    std::string text;
    text.resize(bytes.size() / 2);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = unitToByte(static_cast<unsigned>(p[2 * i]) |
                             (static_cast<unsigned>(p[2 * i + 1]) << 8));
    }
    return text;
}

std::string eightBitToUtf16(std::string_view text) {
    std::string bytes(text.size() * 2, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) bytes[2 * i] = text[i];
    return bytes;
}

std::string encodeUtf16(std::string_view text) {
    return "\xff\xfe" + eightBitToUtf16(text);
}

int countLines(std::string_view text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    return lines;
}

bool isStringType(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

std::string littleEndian(std::uint32_t n) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((n >> (8 * i)) & 0xff);
    return bytes;
}

}  // namespace plevo
