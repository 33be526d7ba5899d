// Runs the real plevo-lists program: its bytes, exit statuses and messages.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>

#include "Arguments.h"
#include "ProgramRun.h"
#include "lists/LineSort.h"
#include "lists/ListOperations.h"
#include "lists/TextList.h"
#include "platform/Files.h"

namespace {

using namespace plevo_test;
using PlevoLists = ProgramTest;
namespace fs = std::filesystem;

const std::string kInput =
    "joe@a.b.example\nb.example\nx@b.example\nB\nsafe.one\nq@safe.one\n\na.b.c";

}  // namespace

TEST_F(PlevoLists, WritesListsAsTheWindowDoes) {
    const std::string safe = "--safe " + file("safe.txt", "safe.one\r\n");
    const std::string input = file("in.txt", kInput);

    // reduce replaces in place and keeps the missing final line break.
    Result r = run("reduce " + safe + " " + input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "a.b.example\r\nb.example\r\nb.example\r\nB\r\nsafe.one\r\nq@safe.one\r\n\r\na.b.c");
    EXPECT_EQ(run("reduce -", "a@b\r\nc\r\n").out, "b\r\nc\r\n");

    // dedupe and sort rebuild the list: CR LF after every entry.
    r = run("dedupe " + safe, kInput);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "joe@a.b.example\r\nb.example\r\nB\r\nq@safe.one\r\na.b.c\r\n");

    r = run("sort " + input + " -o " + quoted(path("sorted.txt")));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(slurp(path("sorted.txt")),
              "\r\na.b.c\r\nB\r\nb.example\r\njoe@a.b.example\r\nq@safe.one\r\nsafe.one\r\n"
              "x@b.example\r\n");

    r = run("offers " + input + " " + safe);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\tjoe@a.b.example\tb.example\r\n7\ta.b.c\tb.c\r\n");

    for (const char* command : {"reduce", "dedupe", "sort", "offers"}) {
        r = run(command, "");
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.out, "") << command;
    }
}

// Any byte may stand in an entry; what comes out is what the list operations give.
TEST_F(PlevoLists, SameBytesAsTheListOperations) {
    std::mt19937 rng(5);
    const char bytes[] = {'a', 'B', '@', '.', '\0', '\xa0', '\xff', '\t', '\\', ' ', '\r', '\n'};
    std::string input;
    for (int k = 0; k < 20000; ++k) input += bytes[rng() % std::size(bytes)];
    const std::string safeBytes("a\r\n\xa0@\r\n\nB\0B\rB.@", 15);
    const std::string safeArg = "--safe " + file("safe.txt", safeBytes);
    const std::string inputArg = file("in.txt", input);
    const plevo::TextList list = plevo::parseTextList(input);
    const auto safe = plevo::parseTextList(safeBytes).entries;

    plevo::TextList reduced = list;
    plevo::reduceAll(reduced.entries, safe);
    EXPECT_EQ(run("reduce " + safeArg, input).out, plevo::formatTextList(reduced));

    auto deduped = list.entries;
    plevo::deleteDuplicates(deduped, safe);
    EXPECT_LT(deduped.size(), list.entries.size());
    EXPECT_EQ(run("dedupe " + inputArg + " " + safeArg).out, plevo::formatRebuiltList(deduped));

    auto sorted = list.entries;
    plevo::sortBoxLines(sorted);
    EXPECT_EQ(run("sort", input).out, plevo::formatRebuiltList(sorted));

    // offers writes a TAB inside a field as \t and a backslash as \\.
    const auto field = [](std::string_view text) {
        std::string out;
        for (const char c : text) out += c == '\t' ? "\\t" : c == '\\' ? "\\\\" : std::string(1, c);
        return out;
    };
    std::string offers;
    for (const auto& offer : plevo::listEditOffers(list.entries, safe))
        offers += std::to_string(offer.index) + "\t" + field(list.entries[offer.index]) + "\t" +
                  field(offer.proposal) + "\r\n";
    EXPECT_NE(offers, "");
    EXPECT_EQ(run("offers " + safeArg + " " + inputArg).out, offers);
}

// reduce reads its input in pieces of a megabyte: a CR LF split between two pieces stays one
// line end, and an entry longer than a piece stays whole, its first "@" and a safe domain as long
// as itself found wherever they lie.
TEST_F(PlevoLists, ReduceReadsInPieces) {
    const std::size_t piece = 1 << 20;
    std::string mixed(piece - 1, 'a');
    mixed += "\r\nx@y\r";
    mixed += std::string(3 * piece, 'b') + "@" + std::string(piece, 'c') + "\nsafe@safe.one\n\r";
    mixed += "last@line";
    const std::string longDomain(piece + piece / 2, 'd');
    struct Case {
        std::string input;
        std::vector<std::string> safe;
    };
    const Case cases[] = {
        {mixed, {"safe.one"}},
        {"joe@" + longDomain + "\r\njoe@" + longDomain + "e\r\n", {"safe.one", longDomain}},
        {std::string(piece, 'e') + "@f\r\n", {}},
        // The list ends with an entry one piece long.
        {std::string(piece, 'x'), {}},
        {"a@" + std::string(piece - 2, 'b'), {}},
        // A CR ends a block, its LF begins the next.
        {std::string(2 * piece - 1, 'c') + "\r\nz@w\r\n", {}},
    };
    for (const auto& c : cases) {
        plevo::TextList reduced = plevo::parseTextList(c.input);
        plevo::reduceAll(reduced.entries, c.safe);
        const std::string expected = plevo::formatTextList(reduced);
        const std::string safeArg = "--safe " + file("safe.txt", plevo::formatRebuiltList(c.safe));
        const Result r = run("reduce " + safeArg + " " + file("in.txt", c.input));
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(r.out == expected)
            << c.input.size() << " bytes, first " << testing::PrintToString(c.input.substr(0, 4));
    }
    EXPECT_EQ(
        run("reduce --safe " + file("safe.txt", "safe.one"), mixed).out,
        run("reduce --safe " + file("safe.txt", "safe.one") + " " + file("in.txt", mixed)).out);
}

// Under a limit on the address space (ulimit -v, in KiB): a long entry needs little more memory
// than itself, a line without end is refused at the limit of an entry, and a failed allocation
// is told in words with the file's name.
TEST_F(PlevoLists, WithinBoundedMemory) {
    const auto limited = [&](int kib, const std::string& args, const fs::path& stdinFile = {}) {
        return shell("ulimit -v " + std::to_string(kib) + "; '" PLEVO_LISTS_PROGRAM "' " + args, {},
                     stdinFile);
    };
    if (limited(60000, "--version").status != 0)
        GTEST_SKIP() << "the program cannot start under ulimit -v (a sanitizer build)";

    Result r = limited(100000, "export --to sieve /dev/zero");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "plevo-lists: Cannot read file \"/dev/zero\": line 1 is larger than 1 GiB\n");

    // 50 MB of zeros and "@d": sparse, so the test writes little.
    const fs::path longEntry = path("long.txt");
    spill(longEntry, "");
    fs::resize_file(longEntry, 50'000'000);
    std::ofstream(longEntry, std::ios::binary | std::ios::app) << "@d\r\n";
    r = limited(80000, "reduce " + quoted(longEntry));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "d\r\n");

    // 8 million empty lines: they fit in the limit, their entries do not.
    const fs::path lines = path("lines.txt");
    spill(lines, std::string(8'000'000, '\n'));
    const std::string name = lines.string();
    const std::pair<std::string, std::string> cases[] = {
        {"sort " + quoted(lines), "Cannot sort file \"" + name + "\": there is not enough memory"},
        {"dedupe --safe " + quoted(lines) + " " + quoted(longEntry),
         "Cannot read file \"" + name + "\": there is not enough memory to read it"},
        {"offers", "Cannot find the offers in standard input: there is not enough memory"},
    };
    for (const auto& [args, message] : cases) {
        r = limited(100000, args, lines);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.err, "plevo-lists: " + message + "\n") << args;
    }
}

// Every offers line splits at exactly two TABs, whatever its entry holds.
TEST_F(PlevoLists, OffersEscapeTabsAndBackslashes) {
    const Result r = run("offers", "x@a\tb.c\\d.example\r\nplain.sub.example\r\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "0\tx@a\\tb.c\\\\d.example\tc\\\\d.example\r\n"
              "1\tplain.sub.example\tsub.example\r\n");
}

TEST_F(PlevoLists, VersionComesFromTheProject) {
    for (const char* args : {"--version", "sort --version"}) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_EQ(r.out, "plevo-lists " PLEVO_VERSION "\n") << args;
    }
}

// The usage, the manual page and the README name the same commands, formats, options and exit
// statuses, and tell the same about offers' escapes.
TEST_F(PlevoLists, UsageManualAndReadmeAgree) {
    const auto read = [](const char* name) {
        std::ifstream in(fs::path(PLEVO_SOURCE_DIR) / name, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_FALSE(text.empty()) << name;
        // Roff's escaped dashes and backslashes as they print, its font changes left out.
        for (const auto& [from, to] : {std::pair<std::string, std::string>{"\\-", "-"},
                                       {"\\(rs", "\\"},
                                       {"\\fI", ""},
                                       {"\\fR", ""}})
            for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at))
                text.replace(at, from.size(), to);
        return text;
    };
    const std::string usage = run("--help").out;
    const std::string manual = read("docs/man/plevo-lists.1");
    const std::string readme = read("README.md");
    for (const char* word : {"reduce", "dedupe", "sort", "offers", "export", "sieve",
                             "spamassassin", "gmail", "--to", "--safe", "-o", "--output", "--help",
                             "--version", "INDEX<TAB>ENTRY<TAB>PROPOSAL", "\\t", "\\\\"}) {
        EXPECT_NE(usage.find(word), std::string::npos) << word;
        EXPECT_NE(manual.find(word), std::string::npos) << word;
        EXPECT_NE(readme.find(word), std::string::npos) << word;
    }
    EXPECT_NE(manual.find(".SH EXIT STATUS\n.TP\n.B 0\n"), std::string::npos);
    EXPECT_NE(manual.find(".B 1\n.B export\nleft entries out"), std::string::npos);
    EXPECT_NE(manual.find(".B 2\nAny error, told in one line on standard error."),
              std::string::npos);
    EXPECT_NE(usage.find("Exit status: 0 on success, 1 when export left entries out"),
              std::string::npos);
}

TEST_F(PlevoLists, HelpGoesToStandardOutput) {
    for (const char* args : {"--help", "sort -h", "frob --help"}) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_TRUE(r.out.starts_with("Usage: plevo-lists COMMAND")) << args;
        EXPECT_EQ(r.err, "") << args;
    }
}

// A word that is an option's value, or comes after "--", is a file name even when it reads as
// --help or --version.
TEST(PlevoListsArguments, OptionValuesAreFileNames) {
    const std::vector<std::string_view> words = {"export", "--to", "sieve", "--safe",   "--help",
                                                 "-o",     "-h",   "--",    "--version"};
    const plevo::Arguments args = plevo::parseArguments(words);
    EXPECT_FALSE(args.help);
    EXPECT_FALSE(args.version);
    EXPECT_EQ(args.safePath, "--help");
    EXPECT_EQ(args.outputPath, "-h");
    EXPECT_EQ(args.inputPath, "--version");
    EXPECT_TRUE(plevo::parseArguments(std::vector<std::string_view>{"sort", "-o", "x", "-h"}).help);
}

TEST_F(PlevoLists, ErrorsGiveOneLineAndStatusTwo) {
    const std::string input = file("in.txt", "a@b\r\n");
    const std::string missing = quoted(path("missing.txt"));
    struct Case {
        std::string args;
        std::string message;
    };
    const Case cases[] = {
        {"", "no command given (try --help)"},
        {"frob", "unknown command 'frob' (try --help)"},
        {"-o x sort", "a command must come first, not the option '-o' (try --help)"},
        {"sort --fast", "unknown option '--fast' (try --help)"},
        {"reduce --safe", "option --safe needs a file name"},
        {"reduce " + input + " -o", "option -o needs a file name"},
        {"sort --safe " + input + " " + input, "sort takes no safe list (--safe)"},
        {"sort " + input + " x",
         "more than one input file: '" + path("in.txt").string() + "' and 'x'"},
        {"dedupe " + missing + " -o " + quoted(path("out.txt")),
         "Cannot open file \"" + path("missing.txt").string() + "\": No such file or directory"},
        {"dedupe --safe " + missing + " " + input,
         "Cannot open file \"" + path("missing.txt").string() + "\": No such file or directory"},
        {"sort " + input + " -o " + quoted(path("no/such/folder.txt")),
         "Cannot write file \"" + path("no/such/folder.txt").string() +
             "\": the folder does not exist"},
        // A line break in a file name does not break the message's line.
        {"sort " + quoted(path("two\nlines.txt")),
         "Cannot open file \"" + path("two lines.txt").string() + "\": No such file or directory"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(r.err, "plevo-lists: " + c.message + "\n") << c.args;
    }
    EXPECT_FALSE(fs::exists(path("out.txt")));
}

TEST_F(PlevoLists, OutputReplacesAFileWhole) {
    const std::string out = quoted(path("out.txt"));
    file("out.txt", "an older and much longer list\r\nof two lines\r\n");
    const Result r = run("dedupe -o " + out, "b\nb\na@b\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(slurp(path("out.txt")), "b\r\n");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(path(""))) ++files;
    EXPECT_EQ(files, 4u);  // in, out and the two standard streams: no temporary left behind
}

TEST_F(PlevoLists, OutputFollowsLinksAndWritesDevicesInPlace) {
    const std::string input = file("in.txt", "b\na\n");
    // A link: its target takes the list, the link stays.
    file("target.txt", "old");
    fs::create_symlink("target.txt", path("link.txt"));
    EXPECT_EQ(run("sort " + input + " -o " + quoted(path("link.txt"))).status, 0);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path("link.txt"))));
    EXPECT_EQ(slurp(path("target.txt")), "a\r\nb\r\n");

    // A name of 250 bytes.
    const fs::path longName = path(std::string(250, 'l'));
    EXPECT_EQ(run("sort " + input + " -o " + quoted(longName)).status, 0);
    EXPECT_EQ(slurp(longName), "a\r\nb\r\n");

    // A device stays a device (root writes to a node of its own rather than risk /dev/null).
    fs::path device = "/dev/null";
    if (::geteuid() == 0) {
        device = path("null");
        if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            GTEST_SKIP() << "no device node can be made here";
    }
    const Result r = run("sort " + input + " -o " + quoted(device));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::is_character_file(fs::symlink_status(device)));
}

TEST_F(PlevoLists, InputsLargerThanTheLimitAreRefused) {
    // Sparse: refused by its size before anything is read.
    const fs::path huge = path("huge.txt");
    spill(huge, "");
    fs::resize_file(huge, plevo::kReadLimit + 1);
    Result r = run("sort " + quoted(huge));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "plevo-lists: Cannot read file \"" + huge.string() + "\": it is larger than 1 GiB\n");
    r = run("sort", "", huge);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "plevo-lists: Cannot read standard input: it is larger than 1 GiB\n");
}
