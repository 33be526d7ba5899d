#pragma once
// The registry's three kinds of text. The registry stores names and string data in UTF-16; the
// in-memory tree keeps names in UTF-8 and string data as the UTF-16 bytes it stores, so that
// nothing the tool does not change is ever changed; the tool itself speaks 8-bit text, Latin-1
// off Windows, through RegistryAccess.
//
// The UTF-8 here is the generalised form that also holds the lone surrogates a UTF-16 name may
// contain (three bytes each), so that every UTF-16 name comes back unchanged.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace plevo {

// UTF-16LE bytes to UTF-8; a byte left over at the end is dropped.
std::string utf16ToUtf8(std::string_view utf16);
// UTF-8 to UTF-16LE bytes. A byte that starts no valid sequence stands for the Latin-1
// character of its value.
std::string utf8ToUtf16(std::string_view utf8);

std::string latin1ToUtf8(std::string_view latin1);
// None when the text holds a character beyond Latin-1.
std::optional<std::string> utf8ToLatin1(std::string_view utf8);

std::string latin1ToUtf16(std::string_view latin1);
// None when the text holds a character beyond Latin-1; a byte left over at the end is dropped.
std::optional<std::string> utf16ToLatin1(std::string_view utf16);

// The length in UTF-16 units, which is how the registry counts a name's characters.
std::size_t utf16Length(std::string_view utf8);

// The place of the first byte that is not part of valid UTF-8; none when all of it is.
std::optional<std::size_t> invalidUtf8At(std::string_view bytes);

}  // namespace plevo
