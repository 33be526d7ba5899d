// plevo-lists: cleans text list files in scripts with the same operations as the workbench.

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "StandardStreams.h"
#include "platform/Files.h"
#include "workbench/TextList.h"

namespace {

constexpr int kFailed = 2;

int fail(const std::string& message) {
    std::fprintf(stderr, "plevo-lists: %s\n", message.c_str());
    return kFailed;
}

int run(const plevo::Arguments& args) {
    std::vector<std::string> safeLines;
    if (args.safePath)
        safeLines =
            plevo::parseTextList(plevo::readFile(plevo::pathFromText(*args.safePath))).entries;
    if (args.command == plevo::ListCommand::Reduce) {
        // reduce reads the list piece by piece: it never holds the whole list.
        plevo::InputReader input(args.inputPath);
        plevo::Output output(args.outputPath);
        plevo::reduceList(input, safeLines, output);
        output.finish();
        return 0;
    }
    const std::string input = args.inputPath ? plevo::readFile(plevo::pathFromText(*args.inputPath))
                                             : plevo::readStandardInput();
    plevo::Output output(args.outputPath);
    plevo::runListCommand(args.command, input, safeLines, output);
    output.finish();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> words(argv + (argc > 0 ? 1 : 0), argv + argc);
    try {
        const plevo::Arguments args = plevo::parseArguments(words);
        if (args.help) {
            plevo::writeStandardOutput(plevo::kUsage);
            return 0;
        }
        return run(args);
    } catch (const std::exception& e) {
        return fail(e.what());
    }
}
