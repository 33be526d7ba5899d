#include "registry/SubstituteRegistry.h"

#include <new>

#include "platform/Files.h"
#include "registry/RegFileText.h"
#include "registry/RegistryText.h"
#include "registry/SampleRegistry.h"

namespace plevo {

namespace {

RegKey::Ptr newRoot() {
    return std::make_shared<RegKey>(std::string());
}

std::string unreadableMessage(const std::filesystem::path& file, const RegFileError& e) {
    return "The registry file \"" + pathText(file) + "\" cannot be read, line " +
           std::to_string(e.line()) + ": " + e.reason();
}

std::string unreadableMessage(const std::filesystem::path& file, const std::string& why) {
    return "The registry file \"" + pathText(file) + "\" cannot be read: " + why;
}

constexpr const char* kNoMemory = "there is not enough memory to load it";

// Messages about text beyond Latin-1 are UTF-8 throughout, so that the name shows as it is.
std::string keyInMessage(std::string_view utf8Path) {
    if (!utf8Path.empty() && utf8Path.front() == '\\') utf8Path.remove_prefix(1);
    return "\"HKEY_CURRENT_USER" + std::string(utf8Path.empty() ? "" : "\\") +
           std::string(utf8Path) + "\"";
}

std::string valueBeyondLatin1Message(std::string_view utf8Path, std::string_view valueName) {
    return "The value \"" + latin1ToUtf8(valueName) + "\" of the registry key " +
           keyInMessage(utf8Path) +
           " holds characters beyond Latin-1, which Plevo cannot read or write back unchanged. "
           "It has been left as it is.";
}

std::string subkeyBeyondLatin1Message(std::string_view utf8Path, std::string_view subkey) {
    return "The registry key " + keyInMessage(utf8Path) + " has a subkey \"" + std::string(subkey) +
           "\" whose name holds characters beyond Latin-1, which Plevo cannot use. It has been "
           "left as it is.";
}

// The UTF-16 units up to the first zero one.
std::string_view upToZero(std::string_view utf16) {
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2)
        if (utf16[i] == '\0' && utf16[i + 1] == '\0') return utf16.substr(0, i);
    return utf16;
}

}  // namespace

SubstituteRegistry::SubstituteRegistry() : root_(newRoot()) {}

void SubstituteRegistry::load(const std::filesystem::path& file) {
    file_ = file;
    current_.reset();
    failure_.clear();
    changed_ = false;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec) {
        resetToSample();
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
        flush();
        return;
    }
    // Whatever stops the load takes the registry out of service: the file is never replaced by
    // a tree that is not what it holds.
    auto tree = newRoot();
    bool outOfMemory = false;
    try {
        applyRegFile(parseRegFile(readFile(file, kRegistryFileLimit)), tree);
    } catch (const RegFileError& e) {
        failure_ = unreadableMessage(file, e);
    } catch (const FileError& e) {
        failure_ = e.what();
    } catch (const std::bad_alloc&) {
        outOfMemory = true;  // the message is made once the partial tree is given back
    } catch (const std::exception& e) {
        failure_ = unreadableMessage(file, e.what());
    }
    if (outOfMemory || !failure_.empty()) {
        tree.reset();
        root_ = newRoot();
        if (outOfMemory) failure_ = unreadableMessage(file, kNoMemory);
        return;
    }
    root_ = std::move(tree);
}

bool SubstituteRegistry::flush() {
    if (!changed_ || !inService() || file_.empty()) return false;
    writeFileAtomic(file_, exportText());
    changed_ = false;
    return true;
}

void SubstituteRegistry::import(std::string_view regFileBytes) {
    import(parseRegFile(regFileBytes));
}

void SubstituteRegistry::importFile(const std::filesystem::path& regFile) {
    requireService();
    RegFile parsed;
    try {
        parsed = parseRegFile(readFile(regFile, kRegistryFileLimit));
    } catch (const RegFileError& e) {
        throw RegistryError(unreadableMessage(regFile, e));
    } catch (const FileError& e) {
        throw RegistryError(e.what());
    } catch (const std::bad_alloc&) {
        throw RegistryError(unreadableMessage(regFile, kNoMemory));
    }
    import(std::move(parsed));
}

void SubstituteRegistry::import(RegFile&& parsed) {
    requireService();
    if (applyRegFile(std::move(parsed), root_)) changed_ = true;
}

void SubstituteRegistry::resetToSample() {
    current_.reset();
    root_ = newRoot();
    applyRegFile(parseRegFile(sampleRegistryText()), root_);
    changed_ = true;
}

std::string SubstituteRegistry::exportText(RegFileEncoding encoding) const {
    return formatRegFile(*root_, encoding);
}

void SubstituteRegistry::requireService() const {
    if (!inService()) throw RegistryError(failure_);
}

bool SubstituteRegistry::keyExists(std::string_view path) {
    requireService();
    return findKey(root_, latin1ToUtf8(path)) != nullptr;
}

bool SubstituteRegistry::open(std::string_view path, bool create) {
    requireService();
    closeKey();
    std::string treePath = latin1ToUtf8(path);
    RegKey::Ptr key = findKey(root_, treePath);
    if (!key && create) {
        key = createKey(root_, treePath);
        if (key) changed_ = true;
    }
    if (!key) return false;
    current_ = std::move(key);
    currentPath_ = std::move(treePath);
    return true;
}

bool SubstituteRegistry::openKey(std::string_view path, bool create) {
    return open(path, create);
}

bool SubstituteRegistry::openKeyReadOnly(std::string_view path) {
    if (!open(path, false)) return false;
    readOnly_ = true;
    return true;
}

void SubstituteRegistry::closeKey() {
    current_.reset();
    currentPath_.clear();
    readOnly_ = false;
}

bool SubstituteRegistry::deleteKey(std::string_view path) {
    requireService();
    if (!plevo::deleteKey(root_, latin1ToUtf8(path))) return false;
    changed_ = true;
    return true;
}

std::vector<std::string> SubstituteRegistry::subkeyNames() {
    requireService();
    if (!current_ || current_->deleted()) return {};
    std::vector<std::string> names;
    names.reserve(current_->subkeys().size());
    for (const auto& [folded, key] : current_->subkeys()) {
        auto name = utf8ToLatin1(key->name());
        if (!name) throw RegistryError(subkeyBeyondLatin1Message(currentPath_, key->name()));
        names.push_back(std::move(*name));
    }
    return names;
}

const RegValue* SubstituteRegistry::currentValue(std::string_view name) const {
    requireService();
    if (!current_ || current_->deleted()) return nullptr;
    return current_->value(latin1ToUtf8(name));
}

std::string SubstituteRegistry::latin1Of(std::string_view utf16, std::string_view name) const {
    auto text = utf16ToLatin1(utf16);
    if (!text) throw RegistryError(valueBeyondLatin1Message(currentPath_, name));
    return std::move(*text);
}

std::string SubstituteRegistry::readString(std::string_view name) {
    const RegValue* v = currentValue(name);
    if (!v) return {};
    if (v->type != kRegSz && v->type != kRegExpandSz)
        throw RegistryError(invalidDataTypeMessage(name));
    return latin1Of(upToZero(v->data), name);
}

std::uint32_t SubstituteRegistry::readDword(std::string_view name) {
    const RegValue* v = currentValue(name);
    if (!v || v->type != kRegDword || v->data.size() != 4)
        throw RegistryError(invalidDataTypeMessage(name));
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = (n << 8) | static_cast<unsigned char>(v->data[static_cast<std::size_t>(i)]);
    return n;
}

std::string SubstituteRegistry::readBytes(std::string_view name) {
    const RegValue* v = currentValue(name);
    if (!v) return {};
    // Strings come as 8-bit text, as the registry's 8-bit functions give them.
    return isStringType(v->type) ? latin1Of(v->data, name) : v->data;
}

std::int64_t SubstituteRegistry::valueSize(std::string_view name) {
    const RegValue* v = currentValue(name);
    if (!v) return -1;
    const std::size_t size = isStringType(v->type) ? v->data.size() / 2 : v->data.size();
    return static_cast<std::int64_t>(size);
}

std::optional<std::uint32_t> SubstituteRegistry::valueTypeCode(std::string_view name) {
    const RegValue* v = currentValue(name);
    if (!v) return std::nullopt;
    return v->type;
}

void SubstituteRegistry::write(std::string_view name, std::uint32_t type, std::string data) {
    requireService();
    if (!current_ || readOnly_ || current_->deleted() || name.size() > kMaxValueNameLength)
        throw RegistryError(failedToSetDataMessage(name));
    current_->setValue(latin1ToUtf8(name), type, std::move(data));
    changed_ = true;
}

void SubstituteRegistry::writeString(std::string_view name, std::string_view text) {
    std::string data = latin1ToUtf16(text);
    data.append(2, '\0');
    write(name, kRegSz, std::move(data));
}

void SubstituteRegistry::writeDword(std::string_view name, std::uint32_t value) {
    write(name, kRegDword, littleEndian(value));
}

void SubstituteRegistry::writeBytes(std::string_view name, std::string_view bytes) {
    write(name, kRegBinary, std::string(bytes));
}

}  // namespace plevo
