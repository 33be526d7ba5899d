// The window's steps and plevo-lists give the same bytes for the same list.
#include <cstdlib>
#include <random>

#include "forms/workbench/MemoLists.h"
#include "platform/Files.h"
#include "support/ToolFixture.h"

namespace plevo::test {
namespace {

std::string randomList(std::mt19937& rng, std::size_t n) {
    const char* names[] = {"a", "B", "info", "x.y"};
    const char* domains[] = {"spam.example",
                             "SPAM.example",
                             "mail.spam.example",
                             "safe.example",
                             "a.b.c.example",
                             "x@y.example",
                             ""};
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string d = domains[rng() % std::size(domains)];
        switch (rng() % 4) {
            case 0:
                out += d;
                break;
            case 1:
                out += std::string(names[rng() % std::size(names)]) + "@" + d;
                break;
            case 2:
                out += std::string(names[rng() % std::size(names)]) + "@" + d + "\xa0";
                break;
            default:
                out +=
                    std::string(names[rng() % std::size(names)]) + "@" + names[rng() % 4] + "@" + d;
        }
        out += (rng() % 3 == 0) ? "\n" : "\r\n";
    }
    return out;
}

class SameAsPlevoLists : public ToolFixture {
protected:
    std::string run(const std::string& args) {
        const std::string out = pathText(start_ / "out.txt");
        const std::string command =
            std::string("\"") + PLEVO_LISTS_PATH + "\" " + args + " -o \"" + out + "\"";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return readBack(out);
    }
    std::string windowText() const { return formatTextList(memoList(memo("Memo1"))); }
};

TEST_F(SameAsPlevoLists, ReduceDedupeSortAndOffers) {
    std::mt19937 rng(11);
    const std::string safe = pathText(start_ / "Outlook Safe Domains.txt");
    writeFile("Outlook Safe Domains.txt", "safe.example\r\nc.example\r\n");
    const std::string list = writeFile("list.txt", randomList(rng, 400));
    showMainWindow();
    dialogs_.expectOpenFile(openListOptions(), list)
        .expectMessage(kReminder)
        .expectMessage(safe + " opened successfully");
    userClick("Label9");
    dialogs_.verify();

    // Offers: every one answered "Do not update".
    std::string offers;
    for (int i = 0; i < 400; ++i) {
        dialogs_.expectModal("Edit Domain Name", [&](ui::Form& d) {
            offers += d.get<ui::Edit>("EditDomain").caption() + "\t" +
                      d.get<ui::Edit>("EditDomainExt").caption() + "\r\n";
            user().click(d.get<ui::Button>("IgnoreButton"));
        });
    }
    userClick("EditImage");
    // plevo-lists names the index too; the dialog shows entry and proposal.
    std::string expectedOffers;
    const std::string listed = run("offers --safe \"" + safe + "\" \"" + list + "\"");
    for (const std::string& line : parseTextList(listed).entries)
        expectedOffers += line.substr(line.find('\t') + 1) + "\r\n";
    // Only as many dialogs as offers were used; drop the rest of the script.
    std::size_t shown = 0;
    for (const auto& line : dialogs_.transcript()) shown += line.rfind("modal:", 0) == 0;
    EXPECT_GT(shown, 10u);
    dialogs_.dropRemaining();
    EXPECT_EQ(offers, expectedOffers);

    control<ui::CheckBox>("CheckBox2").setChecked(false);
    userClick("RemoveImage");
    const std::string reduced = run("reduce --safe \"" + safe + "\" \"" + list + "\"");
    EXPECT_EQ(windowText(), reduced);
    const std::string reducedFile = writeFile("reduced.txt", reduced);

    userClick("DeleteImage");
    const std::string deduped = run("dedupe --safe \"" + safe + "\" \"" + reducedFile + "\"");
    EXPECT_EQ(windowText(), deduped);
    const std::string dedupedFile = writeFile("deduped.txt", deduped);

    dialogs_.expectMessage("Save your changes when you have completed all changes");
    userClick("SortImage");
    EXPECT_EQ(windowText(), run("sort \"" + dedupedFile + "\""));
}

}  // namespace
}  // namespace plevo::test
