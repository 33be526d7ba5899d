#include "lists/SenderEntry.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lists/TextList.h"
#include "lists/TextListReader.h"

namespace {

using plevo::SenderKind;

TEST(SenderEntry, AddressesDomainsAndTheRest) {
    const std::string longLabel(63, 'a');
    const std::string longLocal(64, 'b');
    struct Case {
        std::string entry;
        SenderKind kind;
    };
    const Case cases[] = {
        {"example.com", SenderKind::Domain},
        {"com", SenderKind::Domain},
        {"mail_1.x-y.example", SenderKind::Domain},
        {longLabel + ".com", SenderKind::Domain},
        {"joe@example.com", SenderKind::Address},
        {"o'brien+tag@example.com", SenderKind::Address},
        {"a.b!#$%&*/=?^_`{|}~-@x", SenderKind::Address},
        {longLocal + "@x.org", SenderKind::Address},
        {"", SenderKind::Other},
        {"free text", SenderKind::Other},
        {"example.com ", SenderKind::Other},
        {"example..com", SenderKind::Other},
        {"example.com.", SenderKind::Other},
        {".example.com", SenderKind::Other},
        {"-example.com", SenderKind::Other},
        {"example-.com", SenderKind::Other},
        {longLabel + "a.com", SenderKind::Other},
        {std::string(250, 'a') + ".com", SenderKind::Other},
        {"@example.com", SenderKind::Other},
        {"joe@", SenderKind::Other},
        {"a@b@c", SenderKind::Other},
        {".joe@x.org", SenderKind::Other},
        {"jo..e@x.org", SenderKind::Other},
        {longLocal + "b@x.org", SenderKind::Other},
        {"jo\"e@x.org", SenderKind::Other},
        {"\"joe\"@x.org", SenderKind::Other},
        {"jo\\e@x.org", SenderKind::Other},
        {"*.example.com", SenderKind::Other},
        {"joe@exa*mple.com", SenderKind::Other},
        {"caf\xe9.fr", SenderKind::Other},
        {std::string("a\0b.com", 7), SenderKind::Other},
    };
    for (const auto& c : cases) EXPECT_EQ(plevo::senderKind(c.entry), c.kind) << c.entry;
    EXPECT_EQ(plevo::addressDomain("a@b.example"), "b.example");
    EXPECT_TRUE(plevo::isAscii("a~\x7f"));
    EXPECT_FALSE(plevo::isAscii("a\x80"));
}

// Read in blocks of any size, a text gives the entries parseTextList gives, CR LF split between
// blocks included; of a line longer than the reader keeps, its start and its length.
TEST(TextListReader, SameEntriesAsTheWholeText) {
    std::mt19937 rng(14);
    const char bytes[] = {'a', '\r', '\n', '\r', '\n', 'b', '\0', '\xe9', 'c', 'd'};
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int length = static_cast<int>(rng() % 60);
        for (int k = 0; k < length; ++k) text += bytes[rng() % std::size(bytes)];
        const std::size_t kept = round % 2 ? 1 + rng() % 6 : text.size() + 1;
        std::vector<std::pair<std::string, std::uint64_t>> entries;
        std::vector<std::size_t> numbers;
        plevo::TextListReader reader(
            [&](std::size_t number, std::string_view entry, std::uint64_t size) {
                numbers.push_back(number);
                entries.emplace_back(entry, size);
            },
            kept);
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t size = 1 + rng() % 4;
            reader.feed(std::string_view(text).substr(at, size));
            at += size;
        }
        reader.finish();
        std::vector<std::pair<std::string, std::uint64_t>> expected;
        for (const auto& entry : plevo::parseTextList(text).entries)
            expected.emplace_back(entry.substr(0, kept), entry.size());
        EXPECT_EQ(entries, expected) << testing::PrintToString(text) << ", kept " << kept;
        for (std::size_t k = 0; k < numbers.size(); ++k) EXPECT_EQ(numbers[k], k + 1);
    }
}

}  // namespace
