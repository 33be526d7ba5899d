// The limit on one entry's length, set small here: reduce and export refuse a longer entry by
// its line number and the input's name, whether the entry ends within a block, runs over many,
// or is held as pieces put aside.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Commands.h"
#include "Export.h"
#include "ProgramRun.h"
#include "lists/ListOperations.h"
#include "lists/TextList.h"

namespace {

using namespace plevo_test;
using EntryLimit = ProgramTest;

}  // namespace

TEST_F(EntryLimit, ReduceAndExportRefuseALongerEntry) {
    const std::size_t MiB = 1 << 20;
    struct Case {
        std::string input;
        std::uint64_t limit;
        std::string refusal;  // "" when the list passes
    };
    const Case cases[] = {
        {"a@b.example\r\n" + std::string(100, 'x') + "\r\n", 100, ""},
        {"a@b.example\r\n" + std::string(100, 'x') + "\r\n", 99, "line 2 is larger than 99 bytes"},
        {"a@b.example\r\n" + std::string(100, 'x'), 99, "line 2 is larger than 99 bytes"},
        // Many blocks without a line end.
        {std::string(300000, 'x'), 100000, "line 1 is larger than 100000 bytes"},
        // Pieces put aside, then the end of the line.
        {std::string(2 * MiB, 'x') + "@d\r\nq\r\n", 2 * MiB + 2, ""},
        {std::string(2 * MiB, 'x') + "@d\r\nq\r\n", 2 * MiB + 1,
         "line 1 is larger than 2097153 bytes"},
    };
    for (const auto& c : cases) {
        const std::string name = "in.txt";
        file(name, c.input);
        const std::string expected =
            c.refusal.empty() ? ""
                              : "Cannot read file \"" + path(name).string() + "\": " + c.refusal;
        const std::string label =
            std::to_string(c.input.size()) + " bytes, limit " + std::to_string(c.limit);
        try {
            plevo::ChunkReader in(path(name));
            plevo::Output out(path("out.txt").string());
            plevo::reduceList(in, {}, out, c.limit);
            out.finish();
            EXPECT_EQ(expected, "") << label;
            plevo::TextList list = plevo::parseTextList(c.input);
            plevo::reduceAll(list.entries, {});
            EXPECT_EQ(slurp(path("out.txt")), plevo::formatTextList(list)) << label;
        } catch (const plevo::FileError& e) {
            EXPECT_EQ(e.what(), expected) << label;
        }
        try {
            plevo::ChunkReader in(path(name));
            const auto counts = plevo::exportList(
                plevo::ExportFormat::Sieve, in, {}, [](std::string_view) {},
                [](const std::string&) {}, c.limit);
            EXPECT_EQ(expected, "") << label;
            EXPECT_GT(counts.written + counts.leftOut, 0u) << label;
        } catch (const plevo::FileError& e) {
            EXPECT_EQ(e.what(), expected) << label;
        }
    }
}
