// plevo-lists export, checked by the mail tools that read its output: sievec and sieve-test
// (dovecot-sieve), spamassassin and xmllint. scripts/install-deps.sh installs them; a test whose
// tool is missing fails and says which package to install.

#include <pwd.h>
#include <unistd.h>

#include <map>
#include <random>
#include <regex>
#include <set>
#include <vector>

#include "ProgramRun.h"

namespace {

using namespace plevo_test;

class Export : public ProgramTest {
protected:
    // False, with a failure that names the package, when the tool is not installed.
    bool have(const std::string& tool, const std::string& package) {
        if (shell("command -v " + tool).status == 0) return true;
        ADD_FAILURE() << tool << " is missing: install " << package
                      << " (scripts/install-deps.sh does)";
        return false;
    }
};

// The blocked list and the safe list every behaviour test uses.
const std::string kList =
    "joe@a.example\r\n"
    "example.com\r\n"
    "boss@safe.example.com\r\n"
    "win*prize@lottery.example\r\n"
    "a#b@hash.example\r\n"
    "o'brien@quote.example\n";
const std::string kSafe = "safe.example.com\r\n";

// Senders, and whether mail from them is thrown away. The safe domain wins over a listed domain
// above it and over an address of its own, but not over its own sub-domains.
struct Sender {
    const char* from;
    bool sieveDiscards;
    bool spamAssassinBlocks;  // "*" cannot be carried there: that entry is left out
};
const Sender kSenders[] = {
    {"joe@a.example", true, true},
    {"Joe <JOE@A.EXAMPLE>", true, true},
    {"x@example.com", true, true},
    {"x@deep.sub.example.com", true, true},
    {"x@deep.safe.example.com", true, true},
    {"x@safe.example.com", false, false},
    {"boss@safe.example.com", false, false},
    {"x@notexample.com", false, false},
    {"example.com@elsewhere.example", false, false},
    {"joe@a.example.org", false, false},
    {"win*prize@lottery.example", true, false},
    {"winbigprize@lottery.example", false, false},
    {"a#b@hash.example", true, true},
    {"o'brien@quote.example", true, true},
    {"stranger@unrelated.example", false, false},
};

std::string message(const std::string& from, const std::string& subject) {
    return "From: " + from + "\nTo: me@here.example\nSubject: " + subject +
           "\nDate: Mon, 1 Jan 2024 00:00:00 +0000\nMessage-Id: <" + subject +
           "@here.example>\n\nHello.\n";
}

std::string xmlUnescaped(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&apos;", "'"}, {"&quot;", "\""}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        for (std::size_t at = 0; (at = text.find(entity, at)) != std::string::npos; ++at)
            text.replace(at, std::string_view(entity).size(), character);
    return text;
}

// The filters of the XML read back: each filter's "from" words (quotes taken off) and its
// criteria length.
struct GmailFilters {
    std::vector<std::string> entries;
    std::vector<std::size_t> lengths;
    std::vector<std::string> exceptions;  // doesNotHaveTheWord, "" when none
};
GmailFilters readGmail(const std::string& xml) {
    GmailFilters filters;
    const std::regex entryPattern("<entry>([^]*?)</entry>");
    const std::regex property("<apps:property name='(\\w+)' value='([^']*)'/>");
    for (auto e = std::sregex_iterator(xml.begin(), xml.end(), entryPattern);
         e != std::sregex_iterator(); ++e) {
        const std::string body = (*e)[1];
        std::map<std::string, std::string> values;
        for (auto p = std::sregex_iterator(body.begin(), body.end(), property);
             p != std::sregex_iterator(); ++p)
            values[(*p)[1]] = xmlUnescaped((*p)[2]);
        EXPECT_EQ(values["shouldTrash"], "true");
        const std::string& from = values["from"];
        filters.lengths.push_back(from.size() + values["doesNotHaveTheWord"].size());
        filters.exceptions.push_back(values["doesNotHaveTheWord"]);
        for (std::size_t start = 0;;) {
            const std::size_t end = from.find(" OR ", start);
            std::string word = from.substr(start, end - start);
            if (word.size() > 1 && word.front() == '"' && word.back() == '"')
                word = word.substr(1, word.size() - 2);
            filters.entries.push_back(word);
            if (end == std::string::npos) break;
            start = end + 4;
        }
    }
    return filters;
}

}  // namespace

TEST_F(Export, ArgumentErrors) {
    const std::pair<std::string, std::string> cases[] = {
        {"export", "export needs --to FORMAT (sieve, spamassassin or gmail)"},
        {"export --to", "option --to needs a format"},
        {"export --to=mbox", "unknown format 'mbox' (sieve, spamassassin or gmail)"},
        {"export --to sieve --to gmail", "option --to given twice"},
        {"sort --to sieve", "only export takes --to"},
    };
    for (const auto& [args, message] : cases) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err, "plevo-lists: " + message + "\n") << args;
    }
}

// Entries that are neither an address nor a domain are named with their line numbers, the rest
// is written all the same, and the exit status is 1; empty lines pass without a word.
TEST_F(Export, LeftOutEntriesAreNamed) {
    const std::string input =
        "free text\r\n"
        "\r\n"
        "ok.example\r\n"
        "trailing.example \r\n"
        "caf\xe9.example\n"
        "say\"hi\"@x.example\r"
        "back\\slash@x.example\r\n"
        "wild?@x.example";
    const std::string safe = "--safe " + file("safe.txt", "safe.example\r\nnot safe\r\n");
    const std::string common =
        "plevo-lists: safe list line 2: left out 'not safe': not a domain\n"
        "plevo-lists: line 1: left out 'free text': not an address or a domain\n"
        "plevo-lists: line 4: left out 'trailing.example ': not an address or a domain\n"
        "plevo-lists: line 5: left out 'caf\\xE9.example': has bytes outside ASCII, whose "
        "character set the list does not say\n"
        "plevo-lists: line 6: left out 'say\"hi\"@x.example': not an address or a domain\n"
        "plevo-lists: line 7: left out 'back\\\\slash@x.example': not an address or a domain\n";
    Result r = run("export --to sieve " + safe + " -o " + quoted(path("out.sieve")), input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, common + "plevo-lists: 2 written, 6 left out\n");
    EXPECT_NE(slurp(path("out.sieve")).find("\"*@*.ok.example\""), std::string::npos);

    r = run("export --to spamassassin " + safe, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, common +
                         "plevo-lists: line 8: left out 'wild?@x.example': has * or ?, which "
                         "SpamAssassin reads as wildcards\n"
                         "plevo-lists: 1 written, 7 left out\n");

    r = run("export --to gmail", "a.example\r\n\r\nb@c.example\r\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");

    // A long entry is named by its start and its length, not written out whole.
    r = run("export --to sieve", std::string(3000000, 'a') + "\r\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "plevo-lists: line 1: left out '" + std::string(80, 'a') +
                         "'... (3000000 bytes): not an address or a domain\n"
                         "plevo-lists: 0 written, 1 left out\n");
}

TEST_F(Export, SieveDiscardsWhatTheListBlocks) {
    if (!have("sievec", "dovecot-sieve") || !have("sieve-test", "dovecot-sieve")) return;
    const std::string script = quoted(path("blocked.sieve"));
    Result r = run("export --to sieve --safe " + file("safe.txt", kSafe) + " -o " + script, kList);
    ASSERT_EQ(r.status, 0) << r.err;
    r = shell("sievec " + script + " " + quoted(path("blocked.svbin")));
    ASSERT_EQ(r.status, 0) << r.err << slurp(path("blocked.sieve"));

    // sieve-test refuses to run as root; the test folder is readable by everyone.
    std::string user;
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        user = " -o mail_uid=" + std::to_string(nobody->pw_uid) +
               " -o mail_gid=" + std::to_string(nobody->pw_gid);
    }
    int k = 0;
    for (const auto& sender : kSenders) {
        const std::string name = "case-" + std::to_string(++k);
        const std::string mail = file(name + ".eml", message(sender.from, name));
        r = shell("sieve-test" + user + " " + script + " " + mail);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.find("* discard") != std::string::npos, sender.sieveDiscards)
            << sender.from << "\n"
            << r.out;
    }
}

TEST_F(Export, SpamAssassinBlocksWhatTheListBlocks) {
    if (!have("spamassassin", "spamassassin")) return;
    const std::string prefs = quoted(path("user_prefs"));
    Result r =
        run("export --to spamassassin --safe " + file("safe.txt", kSafe) + " -o " + prefs, kList);
    ASSERT_EQ(r.status, 1);  // the entry with "*" is left out
    r = shell("spamassassin --lint -p " + prefs);
    ASSERT_EQ(r.status, 0) << r.err;

    // One run over a mailbox of all the messages: SpamAssassin takes seconds to start.
    std::string mailbox;
    int k = 0;
    for (const auto& sender : kSenders)
        mailbox += "From plevo-test@localhost Mon Jan  1 00:00:00 2024\n" +
                   message(sender.from, "case-" + std::to_string(++k)) + "\n";
    r = shell("spamassassin -L --mbox -p " + prefs, mailbox);
    ASSERT_EQ(r.status, 0) << r.err;
    // Each message's subject and the rules it hit (the status header's folded lines joined).
    std::map<int, std::string> hits;
    const std::regex subject("Subject: case-(\\d+)\\n");
    const std::regex status("X-Spam-Status:((?:[^\\n]|\\n\\t)*)");
    const std::string separator = "From plevo-test@localhost";
    for (std::size_t start = 0; (start = r.out.find(separator, start)) != std::string::npos;) {
        const std::size_t end = r.out.find(separator, start + 1);
        const std::string one = r.out.substr(start, end - start);
        std::smatch s;
        std::smatch t;
        if (std::regex_search(one, s, subject) && std::regex_search(one, t, status))
            hits[std::stoi(s[1])] = t[1];
        start = end;
    }
    ASSERT_EQ(hits.size(), std::size(kSenders)) << r.out;
    const std::regex blocked("USER_IN_(BLOCK|BLACK)LIST\\b");
    const std::regex welcome("USER_IN_(WELCOME|WHITE)LIST\\b");
    k = 0;
    for (const auto& sender : kSenders) {
        const std::string& rules = hits[++k];
        const bool isBlocked =
            std::regex_search(rules, blocked) && !std::regex_search(rules, welcome);
        EXPECT_EQ(isBlocked, sender.spamAssassinBlocks) << sender.from << ": " << rules;
    }
    // The safe domain is welcome; its own sub-domains are not.
    EXPECT_TRUE(std::regex_search(hits[6], welcome)) << hits[6];
    EXPECT_FALSE(std::regex_search(hits[5], welcome)) << hits[5];
}

TEST_F(Export, GmailReadsBackIntoTheList) {
    if (!have("xmllint", "libxml2-utils")) return;
    const std::string xml = quoted(path("filters.xml"));
    Result r = run("export --to gmail --safe " + file("safe.txt", kSafe) + " -o " + xml, kList);
    ASSERT_EQ(r.status, 0) << r.err;
    r = shell("xmllint --noout " + xml);
    EXPECT_EQ(r.status, 0) << r.err;
    const GmailFilters filters = readGmail(slurp(path("filters.xml")));
    EXPECT_EQ(filters.entries,
              (std::vector<std::string>{"joe@a.example", "example.com", "boss@safe.example.com",
                                        "win*prize@lottery.example", "a#b@hash.example",
                                        "o'brien@quote.example"}));
    EXPECT_EQ(filters.exceptions, std::vector<std::string>{"from:(safe.example.com)"});
}

// An entry that covers so many safe domains that its own filter's criteria would pass 1,500
// characters is left out and named. A safe domain that reads as an operator is quoted.
TEST_F(Export, GmailLeavesOutAFilterTooLongToEdit) {
    if (!have("xmllint", "libxml2-utils")) return;
    std::string safe = "OR\r\n";
    for (int k = 0; k < 120; ++k) safe += "safe-domain-number-" + std::to_string(k) + ".com\r\n";
    const std::string xml = quoted(path("filters.xml"));
    Result r = run("export --to gmail --safe " + file("safe.txt", safe) + " -o " + xml,
                   "com\r\nx@OR\r\na.example\r\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "plevo-lists: line 1: left out 'com': with the 120 safe domains it covers excepted, "
              "its filter's criteria would be 3496 characters, and web mail takes at most 1500\n"
              "plevo-lists: 2 written, 1 left out\n");
    r = shell("xmllint --noout " + xml);
    EXPECT_EQ(r.status, 0) << r.err;
    const GmailFilters filters = readGmail(slurp(path("filters.xml")));
    EXPECT_EQ(filters.entries, (std::vector<std::string>{"x@OR", "a.example"}));
    EXPECT_EQ(filters.exceptions, std::vector<std::string>{"from:(\"OR\")"});
}

// Quotes, backslashes, bytes outside ASCII and glob characters among 100,000 entries: every
// format stays valid for its tool, and names exactly the entries it leaves out.
TEST_F(Export, HostileEntriesAmongAHundredThousand) {
    std::mt19937 rng(100000);
    std::string input;
    std::vector<std::string> valid;
    std::size_t invalid = 0;
    std::size_t wildcards = 0;
    const char* hostile[] = {"say\"hi\"@x.example",
                             "back\\slash.example",
                             "caf\xe9.example",
                             "two words",
                             "\"quoted\"@x.example",
                             "x.example\"",
                             "\\\\",
                             "\xff\xfe@\x80.example"};
    const char* odd[] = {
        "o'brien@q.example", "a#b@h.example", "amp&er@x.example", "-lead@x.example",  "OR",
        "st*r@w.example",    "q?@w.example",  "x_y.example",      "{curly}@x.example"};
    for (int k = 0; k < 100000; ++k) {
        std::string entry;
        const unsigned pick = rng() % 100;
        if (pick < 3) {
            entry = hostile[rng() % std::size(hostile)];
            ++invalid;
        } else if (pick < 6) {
            entry = odd[rng() % std::size(odd)];
            if (entry.find_first_of("*?") != std::string::npos) ++wildcards;
            valid.push_back(entry);
        } else {
            entry = "s" + std::to_string(k) + (pick % 2 ? "@d" : ".d") + std::to_string(k % 977) +
                    ".example";
            valid.push_back(entry);
        }
        input += entry + "\r\n";
    }
    spill(path("list.txt"), input);
    const std::string list = quoted(path("list.txt"));
    const auto leftOutLines = [](const std::string& err) {
        std::size_t n = 0;
        for (std::size_t at = 0; (at = err.find(": left out '", at)) != std::string::npos; ++at)
            ++n;
        return n;
    };

    if (have("sievec", "dovecot-sieve")) {
        const Result r = run("export --to sieve -o " + quoted(path("s.sieve")) + " " + list);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(leftOutLines(r.err), invalid);
        // Over Dovecot's default 1 MiB for a script: the user is told, and the test raises it.
        EXPECT_NE(r.err.find("with sieve_max_script_size raised"), std::string::npos);
        const Result c = shell("sievec -o plugin/sieve_max_script_size=0 " +
                               quoted(path("s.sieve")) + " " + quoted(path("s.svbin")));
        EXPECT_EQ(c.status, 0) << c.err.substr(0, 2000);
    }
    if (have("spamassassin", "spamassassin")) {
        const Result r = run("export --to spamassassin -o " + quoted(path("prefs")) + " " + list);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(leftOutLines(r.err), invalid + wildcards);
        const Result c = shell("spamassassin --lint -p " + quoted(path("prefs")));
        EXPECT_EQ(c.status, 0) << c.err.substr(0, 2000);
    }
    if (have("xmllint", "libxml2-utils")) {
        const Result r = run("export --to gmail -o " + quoted(path("f.xml")) + " " + list);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(leftOutLines(r.err), invalid);
        const Result c = shell("xmllint --noout " + quoted(path("f.xml")));
        EXPECT_EQ(c.status, 0) << c.err.substr(0, 2000);
        const GmailFilters filters = readGmail(slurp(path("f.xml")));
        EXPECT_EQ(filters.entries, valid);
        EXPECT_GT(filters.lengths.size(), 100u);
        for (const std::size_t length : filters.lengths) EXPECT_LE(length, 1500u);
    }
}
