// Feeds any bytes, split at zero bytes into words, to plevo-lists' command line. It may refuse
// them, but only with UsageError; what it accepts, written out again as a plain command line,
// reads back to the same arguments.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Arguments.h"

namespace {

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "arguments: %s\n", what);
    std::abort();
}

bool same(const plevo::Arguments& a, const plevo::Arguments& b) {
    return a.help == b.help && a.version == b.version && a.command == b.command &&
           a.format == b.format && a.safePath == b.safePath && a.inputPath == b.inputPath &&
           a.outputPath == b.outputPath;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (size == 0) words.clear();
    const std::vector<std::string_view> args(words.begin(), words.end());
    plevo::Arguments parsed;
    try {
        parsed = plevo::parseArguments(args);
    } catch (const plevo::UsageError&) {
        return 0;
    }
    if (parsed.help || parsed.version) return 0;

    std::vector<std::string> again = {plevo::commandName(parsed.command)};
    if (parsed.command == plevo::ListCommand::Export)
        again.insert(again.end(), {"--to", plevo::formatName(parsed.format)});
    if (parsed.safePath) again.insert(again.end(), {"--safe", *parsed.safePath});
    if (parsed.outputPath) again.insert(again.end(), {"-o", *parsed.outputPath});
    if (parsed.inputPath) again.insert(again.end(), {"--", *parsed.inputPath});
    const std::vector<std::string_view> againArgs(again.begin(), again.end());
    require(same(plevo::parseArguments(againArgs), parsed), "written out and read back");
    return 0;
}
