// SpamAssassin configuration lines. blacklist_from and whitelist_from are the names every
// version since 3 reads (4.0 added blocklist_from and welcomelist_from as new names for them).
// Mail from a safe domain hits both lists when a listed domain covers it; the welcome list's
// score cancels the block list's, so the list alone never marks it. Lines end with LF: the
// configuration parser does not strip a CR inside a pattern.

#include "FilterWriter.h"

namespace plevo {
namespace {

// "#" starts a comment in a configuration line unless escaped.
void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        if (c == '#') out += '\\';
        out += c;
    }
}

class SpamAssassinWriter : public FilterWriter {
public:
    explicit SpamAssassinWriter(std::vector<std::string> safeDomains)
        : safe_(std::move(safeDomains)) {}

    void start(std::string& out) override {
        out +=
            "# Blocked senders, written by plevo-lists: mail from a listed address, or from a\n"
            "# listed domain or any of its sub-domains, is blacklisted; safe domains are\n"
            "# whitelisted.\n";
        for (const auto& domain : safe_) {
            out += "whitelist_from *@";
            appendEscaped(out, domain);
            out += '\n';
        }
    }

    std::string refusal(std::string_view entry, SenderKind) override {
        // The patterns are globs, and a "*" or "?" cannot be escaped in them.
        if (entry.find_first_of("*?") != std::string_view::npos)
            return "has * or ?, which SpamAssassin reads as wildcards";
        return {};
    }

    void add(std::string_view entry, SenderKind kind, std::string& out) override {
        out += "blacklist_from ";
        if (kind == SenderKind::Address) {
            appendEscaped(out, entry);
        } else {
            out += "*@";
            appendEscaped(out, entry);
            out += " *.";
            appendEscaped(out, entry);
        }
        out += '\n';
    }

    void finish(std::string&) override {}

private:
    std::vector<std::string> safe_;
};

}  // namespace

std::unique_ptr<FilterWriter> makeSpamAssassinWriter(std::vector<std::string> safeDomains) {
    return std::make_unique<SpamAssassinWriter>(std::move(safeDomains));
}

}  // namespace plevo
