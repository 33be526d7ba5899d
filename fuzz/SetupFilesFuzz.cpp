// Feeds any bytes to the readers of Setup's two files about an installation, the remembered folder
// and the record of installed files, which Uninstall trusts with deleting. Whatever they take
// must be a folder called Plevo reached without dots, and names of files inside it, checked here
// apart from the readers' own code; and it must read back the same once written.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "setup/InstallRecord.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

std::vector<std::string_view> parts(std::string_view path) {
    std::vector<std::string_view> out;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/' || path[i] == '\\') {
            out.push_back(path.substr(from, i - from));
            from = i + 1;
        }
    }
    return out;
}

bool hasControl(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

void checkFolder(std::string_view bytes) {
    const auto folder = plevo::rememberedFolderFromText(bytes);
    if (!folder) return;
    const std::vector<std::string_view> p = parts(*folder);
    if (p.size() < 2 || p.back() != "Plevo") fail("a folder not called Plevo", *folder);
    for (std::string_view part : p)
        if (part == "." || part == "..") fail("a folder reached through dots", *folder);
    if (hasControl(*folder)) fail("a folder with a control character", *folder);
    if (plevo::rememberedFolderFromText(plevo::rememberedFolderText(*folder)) != folder)
        fail("the folder reads back different", *folder);
}

void checkNames(std::string_view bytes) {
    const std::vector<std::string> names = plevo::installedNamesFromText(bytes);
    for (const std::string& name : names) {
        if (name.empty() || name == "." || name == ".." || hasControl(name) ||
            name.find_first_of("/\\:") != std::string::npos)
            fail("a name that is no file inside the folder", name);
    }
    if (plevo::installedNamesFromText(plevo::installedNamesText(names)) != names)
        fail("the names read back different", plevo::installedNamesText(names));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkFolder(bytes);
    checkNames(bytes);
    return 0;
}
