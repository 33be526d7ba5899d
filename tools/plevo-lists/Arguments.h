#pragma once
// The command line of plevo-lists:
//   plevo-lists reduce|dedupe|sort|offers [--safe FILE] [INPUT] [-o OUTPUT]
//   plevo-lists export --to FORMAT [--safe FILE] [INPUT] [-o OUTPUT]

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace plevo {

enum class ListCommand { Reduce, Dedupe, Sort, Offers, Export };

// The mail filter languages export writes.
enum class ExportFormat { Sieve, SpamAssassin, Gmail };

struct Arguments {
    bool help = false;
    bool version = false;
    ListCommand command = ListCommand::Reduce;
    ExportFormat format = ExportFormat::Sieve;  // export only
    std::optional<std::string> safePath;
    std::optional<std::string> inputPath;   // none: standard input
    std::optional<std::string> outputPath;  // none: standard output
};

// A command line that cannot be run; what() is the one line the user sees.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// args without the program name. "--help" (or "-h") anywhere asks for the usage and nothing
// else; "--version" anywhere (without --help) for the version line. Only not as the value of an
// option or after "--": "-o -h" writes the file "-h".
Arguments parseArguments(std::span<const std::string_view> args);

// The names the command line gives a command and a format ("offers", "spamassassin").
const char* commandName(ListCommand command);
const char* formatName(ExportFormat format);

extern const char* const kUsage;
// "plevo-lists VERSION" and a line break.
extern const char* const kVersionLine;

}  // namespace plevo
