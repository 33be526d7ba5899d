// plevo-lists: cleans text list files in scripts with the same operations as the workbench.

#include <cstdio>
#include <exception>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "Commands.h"
#include "Export.h"
#include "Output.h"
#include "StandardStreams.h"
#include "lists/TextList.h"
#include "platform/Files.h"
#include "platform/PendingTempFile.h"

namespace {

constexpr int kLeftOut = 1;
constexpr int kFailed = 2;

// An error is one line on standard error: a line break inside the message (a file name may hold
// one) is written as a blank.
int fail(std::string message) {
    for (char& c : message)
        if (c == '\n' || c == '\r') c = ' ';
    std::fprintf(stderr, "plevo-lists: %s\n", message.c_str());
    return kFailed;
}

// The list streams through: read a block, write what it gives. The output file replaces its
// target only once everything is written.
int runExport(const plevo::Arguments& args, std::span<const std::string> safeLines,
              plevo::ChunkReader& input) {
    const auto notice = [](const std::string& line) {
        std::fprintf(stderr, "plevo-lists: %s\n", line.c_str());
    };
    plevo::Output output(args.outputPath);
    const plevo::ExportCounts counts = plevo::exportList(
        args.format, input, safeLines, [&](std::string_view bytes) { output.write(bytes); },
        notice);
    output.finish();
    if (counts.leftOut == 0) return 0;
    notice(std::to_string(counts.written) + " written, " + std::to_string(counts.leftOut) +
           " left out");
    return kLeftOut;
}

// What the command does to its input, as a message names it.
const char* commandVerb(plevo::ListCommand command) {
    return command == plevo::ListCommand::Offers ? "find the offers in"
                                                 : plevo::commandName(command);
}

std::vector<std::string> readSafeLines(const std::string& path) {
    const std::string bytes = plevo::readFile(plevo::pathFromText(path));
    try {
        return plevo::parseTextList(bytes).entries;
    } catch (const std::bad_alloc&) {
        throw plevo::FileError("Cannot read file \"" + path +
                               "\": there is not enough memory to read it");
    }
}

int runCommand(const plevo::Arguments& args, std::span<const std::string> safeLines) {
    if (args.command == plevo::ListCommand::Export || args.command == plevo::ListCommand::Reduce) {
        // These stream: a block read, a block written; the list is never held whole.
        plevo::ChunkReader input = args.inputPath
                                       ? plevo::ChunkReader(plevo::pathFromText(*args.inputPath))
                                       : plevo::standardInputChunks();
        if (args.command == plevo::ListCommand::Export) return runExport(args, safeLines, input);
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

int run(const plevo::Arguments& args) {
    std::vector<std::string> safeLines;
    if (args.safePath) safeLines = readSafeLines(*args.safePath);
    try {
        return runCommand(args, safeLines);
    } catch (const std::bad_alloc&) {
        // The memory is given back by now; the message names what could not be done.
        const std::string input =
            args.inputPath ? "file \"" + *args.inputPath + "\"" : "standard input";
        throw plevo::FileError(std::string("Cannot ") + commandVerb(args.command) + " " + input +
                               ": there is not enough memory");
    }
}

}  // namespace

int main(int argc, char** argv) {
    // A run stopped while it writes its output leaves no temporary file behind.
    plevo::removeTempFileOnSignals();
    std::vector<std::string_view> words(argv + (argc > 0 ? 1 : 0), argv + argc);
    try {
        const plevo::Arguments args = plevo::parseArguments(words);
        if (args.help || args.version) {
            plevo::writeStandardOutput(args.help ? plevo::kUsage : plevo::kVersionLine);
            return 0;
        }
        return run(args);
    } catch (const std::bad_alloc&) {
        return fail("there is not enough memory");
    } catch (const std::exception& e) {
        return fail(e.what());
    }
}
