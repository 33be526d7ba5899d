// The XML file of filters that web mail's filter import reads: an Atom feed with one entry per
// filter, whose properties are the criteria ("from") and the action ("shouldTrash"). The list is
// cut into filters of at most kGmailCriteriaLimit characters of criteria each: the web mail
// refuses longer criteria when a filter is edited, so one filter per 1500 characters keeps every
// imported filter editable. Safe domains that a filter's domains cover are excepted by its
// "doesNotHaveTheWord" criterion, which counts towards the same limit. An entry that covers so
// many safe domains that its filter alone would be longer is left out.

#include <algorithm>
#include <unordered_map>

#include "FilterWriter.h"

namespace plevo {
namespace {

void lowerInto(std::string& out, std::string_view text) {
    out.assign(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
}

// Whether an entry stands as a search word as it is. It is quoted when it holds a character the
// search reads as an operator, starts with "-" (a negation) or is an operator itself.
bool isPlainWord(std::string_view entry) {
    return !entry.starts_with('-') && entry != "OR" && entry != "AND" && entry != "AROUND" &&
           std::all_of(entry.begin(), entry.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '.' || c == '@' || c == '_' || c == '-' || c == '+';
           });
}

// A search word that stands for text itself: quoted unless it is a plain word.
void appendSearchWord(std::string& out, std::string_view text, bool plain) {
    if (!plain) out += '"';
    out += text;
    if (!plain) out += '"';
}

void appendXml(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '\'':
                out += "&apos;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
}

void appendProperty(std::string& out, std::string_view name, std::string_view value) {
    out += "<apps:property name='";
    out += name;
    out += "' value='";
    appendXml(out, value);
    out += "'/>\n";
}

class GmailWriter : public FilterWriter {
public:
    explicit GmailWriter(std::vector<std::string> safeDomains)
        : safe_(std::move(safeDomains)), inFilter_(safe_.size(), false) {
        // A safe domain named "OR" must not read as the operator.
        for (const auto& domain : safe_)
            appendSearchWord(safeWord_.emplace_back(), domain, isPlainWord(domain));
        // Every domain that a safe domain equals or lies under points to it.
        for (std::size_t k = 0; k < safe_.size(); ++k) {
            std::string name;
            lowerInto(name, safe_[k]);
            for (std::size_t start = 0; start != std::string::npos;) {
                coveredBy_[name.substr(start)].push_back(k);
                const std::size_t dot = name.find('.', start);
                start = dot == std::string::npos ? dot : dot + 1;
            }
        }
    }

    void start(std::string& out) override {
        out +=
            "<?xml version='1.0' encoding='UTF-8'?>\n"
            "<feed xmlns='http://www.w3.org/2005/Atom' "
            "xmlns:apps='http://schemas.google.com/apps/2006'>\n"
            "<title>Mail Filters</title>\n";
    }

    std::string refusal(std::string_view entry, SenderKind kind) override {
        // The safe domains this entry would throw away: those under a domain, the one of an
        // address. add() uses them too.
        findCovered(entry, kind);
        plain_ = isPlainWord(entry);
        const std::size_t alone = criteriaLength(0, 0, 0, wordLength(entry), covered_);
        if (alone <= kGmailCriteriaLimit) return {};
        return "with the " + std::to_string(covered_.size()) +
               " safe domains it covers excepted, its filter's criteria would be " +
               std::to_string(alone) + " characters, and web mail takes at most " +
               std::to_string(kGmailCriteriaLimit);
    }

    void add(std::string_view entry, SenderKind, std::string& out) override {
        if (!from_.empty() && lengthWith(wordLength(entry), covered_) > kGmailCriteriaLimit)
            flush(out);

        if (!from_.empty()) from_ += " OR ";
        appendSearchWord(from_, entry, plain_);
        for (const std::size_t k : covered_) {
            if (inFilter_[k]) continue;
            inFilter_[k] = true;
            safeInFilter_.push_back(k);
            safeChars_ += safeWord_[k].size();
        }
    }

    void finish(std::string& out) override {
        flush(out);
        out += "</feed>\n";
    }

    std::string advice(std::size_t) const override {
        if (filters_ <= kReportedFilterLimit) return {};
        return std::to_string(filters_) +
               " filters; web mail is reported to keep about 1000 filters per account";
    }

private:
    static constexpr std::size_t kReportedFilterLimit = 1000;

    std::size_t wordLength(std::string_view entry) const { return entry.size() + (plain_ ? 0 : 2); }

    void findCovered(std::string_view entry, SenderKind kind) {
        covered_.clear();
        if (coveredBy_.empty()) return;
        lowerInto(key_, kind == SenderKind::Domain ? entry : addressDomain(entry));
        const auto it = coveredBy_.find(key_);
        if (it == coveredBy_.end()) return;
        for (const std::size_t k : it->second)
            if (kind == SenderKind::Domain || safe_[k].size() == key_.size()) covered_.push_back(k);
    }

    // The criteria's length with one more word and its safe domains: the "from" words joined by
    // " OR ", and "from:(" + the safe domains joined by " OR " + ")".
    std::size_t lengthWith(std::size_t wordLength, const std::vector<std::size_t>& safe) const {
        return criteriaLength(from_.size(), safeInFilter_.size(), safeChars_, wordLength, safe);
    }

    // The same for a filter whose "from" is fromLength long and which excepts safeCount safe
    // domains of safeChars characters.
    std::size_t criteriaLength(std::size_t fromLength, std::size_t safeCount, std::size_t safeChars,
                               std::size_t wordLength, const std::vector<std::size_t>& safe) const {
        for (const std::size_t k : safe) {
            if (fromLength > 0 && inFilter_[k]) continue;
            ++safeCount;
            safeChars += safeWord_[k].size();
        }
        const std::size_t exception = safeCount == 0 ? 0 : 7 + 4 * (safeCount - 1) + safeChars;
        return fromLength + (fromLength == 0 ? 0 : 4) + wordLength + exception;
    }

    void flush(std::string& out) {
        if (from_.empty()) return;
        ++filters_;
        out +=
            "<entry>\n<category term='filter'></category>\n<title>Mail Filter</title>\n"
            "<content></content>\n";
        appendProperty(out, "from", from_);
        if (!safeInFilter_.empty()) {
            std::string except = "from:(";
            for (std::size_t i = 0; i < safeInFilter_.size(); ++i) {
                if (i > 0) except += " OR ";
                except += safeWord_[safeInFilter_[i]];
                inFilter_[safeInFilter_[i]] = false;
            }
            except += ')';
            appendProperty(out, "doesNotHaveTheWord", except);
        }
        appendProperty(out, "shouldTrash", "true");
        out += "</entry>\n";
        from_.clear();
        safeInFilter_.clear();
        safeChars_ = 0;
    }

    std::vector<std::string> safe_;
    std::vector<std::string> safeWord_;  // each safe domain as a search word
    std::unordered_map<std::string, std::vector<std::size_t>> coveredBy_;
    std::vector<bool> inFilter_;  // per safe domain: already excepted by the open filter
    std::string from_;
    std::vector<std::size_t> safeInFilter_;
    std::size_t safeChars_ = 0;
    std::size_t filters_ = 0;
    std::string key_;                   // reused for each entry's lookup
    std::vector<std::size_t> covered_;  // the safe domains the entry covers
    bool plain_ = true;                 // the entry stands as a search word without quotes
};

}  // namespace

std::unique_ptr<FilterWriter> makeGmailWriter(std::vector<std::string> safeDomains) {
    return std::make_unique<GmailWriter>(std::move(safeDomains));
}

}  // namespace plevo
