// The Sieve script (RFC 5228): one "if" whose address test holds the whole list, so a server
// walks one string list instead of parsing a rule per entry. Only core commands are used, so no
// "require" is needed. Lines end with CR LF as the RFC writes them.

#include <string>

#include "FilterWriter.h"

namespace plevo {
namespace {

// A :matches key that stands for the text itself: "*", "?" and "\" lose their wildcard meaning.
std::string literalPattern(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '*' || c == '?' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}

class SieveWriter : public FilterWriter {
public:
    explicit SieveWriter(std::vector<std::string> safeDomains) : safe_(std::move(safeDomains)) {}

    void start(std::string& out) override {
        out +=
            "# Blocked senders, written by plevo-lists: mail from a listed address, or from a\r\n"
            "# listed domain or any of its sub-domains, is discarded, unless it comes from a "
            "safe\r\n"
            "# domain.\r\n";
    }

    void add(std::string_view entry, SenderKind kind, std::string& out) override {
        if (!open_) {
            openRule(out);
            open_ = true;
        } else {
            out += ",\r\n";
        }
        out += "    ";
        const std::string pattern = literalPattern(entry);
        if (kind == SenderKind::Address) {
            appendQuoted(out, pattern);
        } else {
            // "*@d" is the domain itself and "*@*.d" its sub-domains; never "*d", which would
            // take in "notd" too.
            appendQuoted(out, "*@" + pattern);
            out += ", ";
            appendQuoted(out, "*@*." + pattern);
        }
    }

    void finish(std::string& out) override {
        if (!open_) {
            out += "# The list holds no address or domain: nothing is discarded.\r\n";
            return;
        }
        out += safe_.empty() ? "\r\n] {\r\n" : "\r\n]) {\r\n";
        out += "    discard;\r\n    stop;\r\n}\r\n";
    }

    std::string advice(std::size_t bytes) const override {
        if (bytes <= kDovecotScriptLimit) return {};
        return "the script is " + std::to_string(bytes) +
               " bytes; Dovecot takes scripts over 1 MiB only with sieve_max_script_size raised";
    }

private:
    // Dovecot's default sieve_max_script_size.
    static constexpr std::size_t kDovecotScriptLimit = 1 << 20;

    void openRule(std::string& out) const {
        if (safe_.empty()) {
            out += "if address :all :matches \"from\" [\r\n";
            return;
        }
        // A string list cannot be empty, so the safe test is there only with safe domains.
        out += "if allof (not address :domain :is \"from\" [";
        for (std::size_t k = 0; k < safe_.size(); ++k) {
            if (k > 0) out += ", ";
            appendQuoted(out, safe_[k]);
        }
        out += "],\r\n          address :all :matches \"from\" [\r\n";
    }

    std::vector<std::string> safe_;
    bool open_ = false;
};

}  // namespace

std::unique_ptr<FilterWriter> makeSieveWriter(std::vector<std::string> safeDomains) {
    return std::make_unique<SieveWriter>(std::move(safeDomains));
}

}  // namespace plevo
