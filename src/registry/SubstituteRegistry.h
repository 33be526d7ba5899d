#pragma once
// The registry off Windows: an in-memory tree that behaves like the registry of the current
// user, kept in a registry export file (HKEY_CURRENT_USER.reg) between runs.
//
// The tree keeps every name and text as the file gave it, characters beyond Latin-1 included;
// the tool sees Latin-1 through RegistryAccess, as the registry's 8-bit functions give the code
// page's characters. What Latin-1 cannot hold is never made into other characters: reading
// such a string value, or listing the subkeys of a key when one of their names holds such a
// character, raises RegistryError naming the value or the key. The tool can then neither show
// it wrongly nor write it back changed, nor take two such names for one.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "registry/RegFile.h"
#include "registry/RegistryAccess.h"
#include "registry/RegistryTree.h"

namespace plevo {

// The registry file, and a .reg file to import, may be no larger than this.
inline constexpr std::uint64_t kRegistryFileLimit = std::uint64_t{256} << 20;

class SubstituteRegistry : public RegistryAccess {
public:
    // An empty registry with no file behind it.
    SubstituteRegistry();

    // Takes the registry from file. With no file there yet, it starts from the sample registry
    // and writes the file at once (FileError when that fails; the tree stays loaded). A file
    // that cannot be loaded for any reason (unreadable, larger than kRegistryFileLimit, damaged,
    // too large for memory) is left alone: the registry goes out of service and every operation
    // raises RegistryError naming the file (and the line) and the reason.
    void load(const std::filesystem::path& file);

    // Writes the file atomically when the tree changed since the last write; true when it did.
    // Raises FileError when the write fails, leaving the old file whole. Never writes while out
    // of service.
    bool flush();

    bool changed() const { return changed_; }
    bool inService() const { return failure_.empty(); }
    const std::string& failure() const { return failure_; }
    const std::filesystem::path& file() const { return file_; }

    // Merges registry export text (the import of a .reg file): deletions included, keys of other
    // roots left out. Raises RegFileError for a damaged file, which then changes nothing.
    void import(std::string_view regFileBytes);
    void import(RegFile&& parsed);
    // The same for a .reg file the user opened. A file that cannot be read or parsed changes
    // nothing and raises RegistryError naming the file (and the line and reason).
    void importFile(const std::filesystem::path& regFile);

    // Replaces the whole tree with the sample registry.
    void resetToSample();

    const RegKey& root() const { return *root_; }
    std::string exportText(RegFileEncoding encoding = RegFileEncoding::Utf16) const;

    bool keyExists(std::string_view path) override;
    bool openKey(std::string_view path, bool create) override;
    bool openKeyReadOnly(std::string_view path) override;
    void closeKey() override;
    bool deleteKey(std::string_view path) override;
    std::vector<std::string> subkeyNames() override;
    std::string readString(std::string_view name) override;
    std::uint32_t readDword(std::string_view name) override;
    std::string readBytes(std::string_view name) override;
    std::int64_t valueSize(std::string_view name) override;
    std::optional<std::uint32_t> valueTypeCode(std::string_view name) override;
    void writeString(std::string_view name, std::string_view text) override;
    void writeDword(std::string_view name, std::uint32_t value) override;
    void writeBytes(std::string_view name, std::string_view bytes) override;

private:
    void requireService() const;
    bool open(std::string_view path, bool create);
    const RegValue* currentValue(std::string_view name) const;
    // The Latin-1 text of a string value's UTF-16 data; RegistryError when it has none.
    std::string latin1Of(std::string_view utf16, std::string_view name) const;
    void write(std::string_view name, std::uint32_t type, std::string data);

    RegKey::Ptr root_;
    RegKey::Ptr current_;
    std::string currentPath_;  // UTF-8, for messages
    bool readOnly_ = false;
    bool changed_ = false;
    std::filesystem::path file_;
    std::string failure_;
};

}  // namespace plevo
