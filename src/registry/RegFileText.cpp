#include "registry/RegFileText.h"

#include "registry/RegistryAccess.h"
#include "registry/RegistryText.h"

namespace plevo {

namespace {

constexpr std::string_view kUtf16Mark = "\xff\xfe";
constexpr std::string_view kUtf8Mark = "\xef\xbb\xbf";

}  // namespace

DecodedText decodeRegText(std::string_view bytes) {
    DecodedText out;
    if (bytes.starts_with(kUtf16Mark)) {
        out.text = utf16ToUtf8(bytes.substr(2));
        out.oddByte = bytes.size() % 2 != 0;
    } else if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
        out.invalidAt = invalidUtf8At(bytes);
        out.text = std::string(bytes);
    } else {
        out.text = latin1ToUtf8(bytes);
    }
    return out;
}

std::string encodeUtf16(std::string_view text) {
    return std::string(kUtf16Mark) + utf8ToUtf16(text);
}

std::string encodeUtf8(std::string_view text) {
    return std::string(kUtf8Mark) + std::string(text);
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
