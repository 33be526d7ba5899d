#include "Arguments.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace plevo {

const char* const kUsage =
    "Usage: plevo-lists COMMAND [--safe FILE] [INPUT] [-o OUTPUT]\n"
    "       plevo-lists export --to FORMAT [--safe FILE] [INPUT] [-o OUTPUT]\n"
    "\n"
    "Cleans a text list file of blocked senders, one entry per line, as the workbench does,\n"
    "or turns it into mail filters.\n"
    "\n"
    "Commands:\n"
    "  reduce   replace every e-mail address by its domain (the text after the first \"@\"),\n"
    "           except where that domain is a line of the safe list\n"
    "  dedupe   delete entries equal to a safe line, later copies of an entry, addresses\n"
    "           whose domain is listed as an entry, and empty lines\n"
    "  sort     sort the lines, letters a-z compared as capitals\n"
    "  offers   list the entries the domain editor would offer to shorten, one per line:\n"
    "           INDEX<TAB>ENTRY<TAB>PROPOSAL, INDEX counted from 0 (entries that contain a\n"
    "           safe line are not offered); a TAB in ENTRY or PROPOSAL is written \\t and a\n"
    "           backslash \\\\, so that every line splits at its two TABs\n"
    "  export   write filters that throw away mail from each listed address and from each\n"
    "           listed domain and its sub-domains, but never mail from a safe domain\n"
    "\n"
    "Formats (export --to):\n"
    "  sieve         a Sieve script (RFC 5228) with one rule over the whole list\n"
    "  spamassassin  blacklist_from and whitelist_from lines for a SpamAssassin configuration\n"
    "  gmail         an XML file of filters for web mail's filter import, each filter's\n"
    "                criteria at most 1500 characters\n"
    "\n"
    "Options:\n"
    "  --to FORMAT    the filter language of export\n"
    "  --safe FILE    the safe domains list, a text list file (reduce, dedupe, offers, export)\n"
    "  -o, --output FILE\n"
    "                 write the result to FILE, replacing it whole (default: standard output)\n"
    "  -h, --help     show this help\n"
    "  --version      show the version\n"
    "\n"
    "INPUT is a text list file; without it, or as \"-\", standard input is read.\n"
    "Lines may end with CR LF, CR or LF; the lists written use CR LF. reduce keeps the\n"
    "input's final line break as it was; dedupe, sort and offers end every line with CR LF.\n"
    "export ends lines with CR LF for sieve and with LF for spamassassin and gmail.\n"
    "export reads addresses and domains only: an entry that is neither (free text, a blank,\n"
    "a byte outside ASCII) or that the format cannot carry is left out and named on standard\n"
    "error with its line number; empty lines are passed over.\n"
    "Exit status: 0 on success, 1 when export left entries out (the rest is written),\n"
    "2 on any error (one line on standard error).\n";

const char* const kVersionLine = "plevo-lists " PLEVO_VERSION "\n";

namespace {

// Each command and format by its name, read and written from the same table.
constexpr std::pair<ListCommand, const char*> kCommandNames[] = {{ListCommand::Reduce, "reduce"},
                                                                 {ListCommand::Dedupe, "dedupe"},
                                                                 {ListCommand::Sort, "sort"},
                                                                 {ListCommand::Offers, "offers"},
                                                                 {ListCommand::Export, "export"}};
constexpr std::pair<ExportFormat, const char*> kFormatNames[] = {
    {ExportFormat::Sieve, "sieve"},
    {ExportFormat::SpamAssassin, "spamassassin"},
    {ExportFormat::Gmail, "gmail"}};

template <class Value, std::size_t N>
std::optional<Value> named(const std::pair<Value, const char*> (&table)[N], std::string_view name) {
    for (const auto& [value, text] : table)
        if (name == text) return value;
    return std::nullopt;
}

template <class Value, std::size_t N>
const char* nameOf(const std::pair<Value, const char*> (&table)[N], Value value) {
    for (const auto& [v, text] : table)
        if (v == value) return text;
    return "";
}

std::optional<ListCommand> commandNamed(std::string_view name) {
    return named(kCommandNames, name);
}

std::optional<ExportFormat> formatNamed(std::string_view name) {
    return named(kFormatNames, name);
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// Whether a word asks for the usage (true) or the version: anywhere it stands as an option, even
// before a command or beside an error, but not as the value of an option or after "--", where it
// is a file name like any other.
struct Requests {
    bool help = false;
    bool version = false;
};
Requests requests(std::span<const std::string_view> args) {
    Requests r;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string_view arg = args[k];
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h")
            r.help = true;
        else if (arg == "--version")
            r.version = true;
        else if (arg == "--safe" || arg == "--to" || arg == "-o" || arg == "--output")
            ++k;  // its value
    }
    return r;
}

}  // namespace

const char* commandName(ListCommand command) {
    return nameOf(kCommandNames, command);
}

const char* formatName(ExportFormat format) {
    return nameOf(kFormatNames, format);
}

Arguments parseArguments(std::span<const std::string_view> args) {
    Arguments result;
    const Requests asked = requests(args);
    if (asked.help || asked.version) {
        result.help = asked.help;
        result.version = !asked.help;
        return result;
    }
    if (args.empty()) throw UsageError("no command given (try --help)");
    if (const auto command = commandNamed(args[0])) {
        result.command = *command;
    } else if (args[0].starts_with('-')) {
        throw UsageError("a command must come first, not the option " + quoted(args[0]) +
                         " (try --help)");
    } else {
        throw UsageError("unknown command " + quoted(args[0]) + " (try --help)");
    }

    bool optionsEnded = false;
    std::optional<std::string> formatName;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string_view arg = args[k];
        // An option's value follows it, or follows "=" in the long form.
        const auto value = [&](std::string_view name,
                               std::string_view what = "a file name") -> std::string {
            if (arg.size() > name.size() && arg[name.size()] == '=')
                return std::string(arg.substr(name.size() + 1));
            if (k + 1 >= args.size())
                throw UsageError("option " + std::string(name) + " needs " + std::string(what));
            return std::string(args[++k]);
        };
        const auto is = [&](std::string_view name) {
            return arg == name || (arg.starts_with(name) && arg.size() > name.size() &&
                                   arg[name.size()] == '=' && name.starts_with("--"));
        };
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && is("--safe")) {
            if (result.safePath) throw UsageError("option --safe given twice");
            result.safePath = value("--safe");
        } else if (!optionsEnded && is("--to")) {
            if (formatName) throw UsageError("option --to given twice");
            formatName = value("--to", "a format");
        } else if (!optionsEnded && (is("-o") || is("--output"))) {
            if (result.outputPath) throw UsageError("option -o given twice");
            result.outputPath = value(arg.starts_with("--") ? "--output" : "-o");
        } else if (!optionsEnded && arg.size() > 1 && arg.starts_with('-')) {
            throw UsageError("unknown option " + quoted(arg) + " (try --help)");
        } else {
            if (result.inputPath)
                throw UsageError("more than one input file: " + quoted(*result.inputPath) +
                                 " and " + quoted(arg));
            result.inputPath = std::string(arg);
        }
    }
    constexpr const char* kFormats = " (sieve, spamassassin or gmail)";
    if (result.command == ListCommand::Export) {
        if (!formatName) throw UsageError(std::string("export needs --to FORMAT") + kFormats);
        const auto format = formatNamed(*formatName);
        if (!format) throw UsageError("unknown format " + quoted(*formatName) + kFormats);
        result.format = *format;
    } else if (formatName) {
        throw UsageError("only export takes --to");
    }
    if (result.command == ListCommand::Sort && result.safePath)
        throw UsageError("sort takes no safe list (--safe)");
    if (result.inputPath == "-") result.inputPath.reset();
    if (result.outputPath == "-") result.outputPath.reset();
    return result;
}

}  // namespace plevo
