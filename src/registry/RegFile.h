#pragma once
// The registry text format: what the system's registry editor exports and imports.
//
// Reading takes "Windows Registry Editor Version 5.00" (UTF-16LE with a byte-order mark, as
// exports are written, or 8-bit) and "REGEDIT4" files with CR LF, LF or CR line ends. Key lines
// "[ROOT\path]" and "[-ROOT\path]" (deletes the tree), value lines "name"=data and @=data, where
// data is "text", -, dword:, hex: or hex(N): with ",\" continuation lines. Other lines are ignored.
// A damaged key or value line stops the reading with its line number and the reason.
//
// Text is 8-bit: UTF-16 characters become Latin-1 bytes ('?' beyond). In a version 5 file the
// hex data of string types (1, 2, 7) is UTF-16LE and is converted the same way, both ways.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "registry/RegistryTree.h"

namespace plevo {

inline constexpr std::string_view kRegFileHeader5 = "Windows Registry Editor Version 5.00";
inline constexpr std::string_view kRegFileHeader4 = "REGEDIT4";
inline constexpr std::string_view kCurrentUserRoot = "HKEY_CURRENT_USER";

class RegFileError : public std::runtime_error {
public:
    RegFileError(int line, const std::string& reason);
    int line() const { return line_; }
    const std::string& reason() const { return reason_; }

private:
    int line_;
    std::string reason_;
};

struct RegFileValue {
    std::string name;  // empty for the default value @
    bool remove = false;
    std::uint32_t type = kRegNone;
    std::string data;  // raw bytes; strings with their terminating zero
};

struct RegFileKey {
    std::string root;  // as written, e.g. "HKEY_CURRENT_USER"
    std::string path;  // below the root, empty for the root itself
    bool remove = false;
    int line = 0;
    std::vector<RegFileValue> values;

    bool isCurrentUser() const;
};

struct RegFile {
    bool version5 = true;
    // In file order, every root; only HKEY_CURRENT_USER keys are ever applied.
    std::vector<RegFileKey> keys;
};

RegFile parseRegFile(std::string_view bytes);

// Merges the HKEY_CURRENT_USER keys into the tree in file order: deletions included, keys of
// other roots left out. True when anything was written or deleted.
bool applyRegFile(RegFile&& file, const RegKey::Ptr& root);

enum class RegFileEncoding { Utf16, EightBit };

// The whole tree as a version 5 export of HKEY_CURRENT_USER: lower-case hex, dword:%08x, hex
// lines of at most 80 characters continued with a two-space indent, one blank line after every
// key. Reading it back gives the identical tree.
std::string formatRegFile(const RegKey& root, RegFileEncoding encoding = RegFileEncoding::Utf16);

}  // namespace plevo
