// Feeds any bytes to the registry text reader. It may refuse them, but only with RegFileError;
// what it accepts must write out and read back to the identical tree.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "registry/RegFile.h"
#include "registry/RegistryTree.h"

namespace {

plevo::RegKey::Ptr read(std::string_view bytes) {
    auto root = std::make_shared<plevo::RegKey>(std::string());
    plevo::applyRegFile(plevo::parseRegFile(bytes), root);
    return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    plevo::RegKey::Ptr tree;
    try {
        tree = read(bytes);
    } catch (const plevo::RegFileError&) {
        return 0;
    }
    for (const auto encoding : {plevo::RegFileEncoding::Utf16, plevo::RegFileEncoding::Utf8}) {
        const std::string written = plevo::formatRegFile(*tree, encoding);
        const std::string difference = plevo::treeDifference(*tree, *read(written));
        if (!difference.empty()) {
            std::fprintf(stderr, "written tree reads back different: %s\n", difference.c_str());
            std::abort();
        }
    }
    return 0;
}
