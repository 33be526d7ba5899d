// plevo-sample-registry: writes the sample registry that a first start off Windows begins with,
// as a .reg file with CR LF line ends, so that a test machine's registry (a Wine prefix of our
// own) can be seeded with it. The tool itself never writes sample data into a real registry.
#include <cstdio>
#include <string>
#include <string_view>

#include "registry/SampleRegistry.h"

int main() {
    const std::string_view text = plevo::sampleRegistryText();
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text.substr(text.find_first_not_of('\n'))) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 1;
}
