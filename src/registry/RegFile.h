#pragma once
// The registry text format: what the system's registry editor exports and imports.
//
// Reading takes "Windows Registry Editor Version 5.00" (UTF-16LE with a byte-order mark, as
// exports are written, or 8-bit) and "REGEDIT4" files with CR LF, LF or CR line ends. Key lines
// "[ROOT\path]" and "[-ROOT\path]" (deletes the tree), value lines "name"=data and @=data, where
// data is "text", -, dword:, hex: or hex(N): with ",\" continuation lines. Other lines are ignored.
// A damaged key or value line stops the reading with its line number and the reason.
//
// Files are UTF-16LE or UTF-8 with a byte-order mark, or 8-bit (Latin-1) without one. Names are
// kept in UTF-8 and the data of string types (1, 2, 7) in UTF-16LE, whatever the file: a version
// 5 file gives their hex data as those bytes, a REGEDIT4 file as 8-bit text. Nothing is lost on
// the way in or out.

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
    std::string name;  // UTF-8; empty for the default value @
    bool remove = false;
    std::uint32_t type = kRegNone;
    std::string data;  // raw bytes; strings in UTF-16LE with their terminating zero
};

struct RegFileKey {
    std::string root;  // as written, e.g. "HKEY_CURRENT_USER"
    std::string path;  // below the root, empty for the root itself; UTF-8
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

enum class RegFileEncoding { Utf16, Utf8 };

// The whole tree as a version 5 export of HKEY_CURRENT_USER: lower-case hex, dword:%08x, hex
// lines of at most 80 characters continued with a two-space indent, one blank line after every
// key; with a byte-order mark. Reading it back gives the identical tree.
std::string formatRegFile(const RegKey& root, RegFileEncoding encoding = RegFileEncoding::Utf16);

}  // namespace plevo
