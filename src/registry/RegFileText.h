#pragma once
// Character and byte helpers of the registry text format.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plevo {

struct DecodedText {
    std::string text;      // UTF-8, byte-order mark removed
    bool oddByte = false;  // a UTF-16 file with a byte left over at its end
    // A file that says it is UTF-8 (by its byte-order mark): where it stops being UTF-8.
    std::optional<std::size_t> invalidAt;
};

// UTF-16LE with its byte-order mark and UTF-8 with its byte-order mark are read as such; any
// other file is 8-bit text in the system's code page, which is Latin-1 here.
DecodedText decodeRegText(std::string_view bytes);

// UTF-8 text as UTF-16LE with a byte-order mark, and as UTF-8 with one.
std::string encodeUtf16(std::string_view text);
std::string encodeUtf8(std::string_view text);

int countLines(std::string_view text);
bool isStringType(std::uint32_t type);
std::string littleEndian(std::uint32_t n);

}  // namespace plevo
