#pragma once
// Character and byte helpers of the registry text format.

#include <cstdint>
#include <string>
#include <string_view>

namespace plevo {

struct DecodedText {
    std::string text;      // 8-bit, byte-order mark removed
    bool oddByte = false;  // a UTF-16 file with a byte left over at its end
};

// UTF-16LE with its byte-order mark becomes Latin-1 ('?' for characters beyond); anything else
// is taken as 8-bit text (a UTF-8 byte-order mark is dropped).
DecodedText decodeRegText(std::string_view bytes);

// 8-bit text as UTF-16LE with a byte-order mark.
std::string encodeUtf16(std::string_view text);

// UTF-16LE bytes to 8-bit text and back; a byte left over at the end is dropped.
std::string utf16ToEightBit(std::string_view bytes);
std::string eightBitToUtf16(std::string_view text);

int countLines(std::string_view text);
bool isStringType(std::uint32_t type);
std::string littleEndian(std::uint32_t n);

}  // namespace plevo
