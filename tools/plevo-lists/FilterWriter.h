#pragma once
// One mail filter language of export. The writer gets the list's addresses and domains one at a
// time and appends its text to a buffer that the caller empties whenever it likes, so only what a
// format must group (one web mail filter) is held at once.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "lists/SenderEntry.h"

namespace plevo {

class FilterWriter {
public:
    virtual ~FilterWriter() = default;

    virtual void start(std::string& out) = 0;
    // Why this format cannot carry an address or domain, or "" when it can. kind is Address or
    // Domain.
    virtual std::string refusal(std::string_view /*entry*/, SenderKind /*kind*/) { return {}; }
    // An entry that refusal() has just let through.
    virtual void add(std::string_view entry, SenderKind kind, std::string& out) = 0;
    virtual void finish(std::string& out) = 0;
    // A word for the user about the whole output of this many bytes, or "".
    virtual std::string advice(std::size_t /*bytes*/) const { return {}; }
};

// safeDomains are domain names: mail from them is never thrown away.
std::unique_ptr<FilterWriter> makeSieveWriter(std::vector<std::string> safeDomains);
std::unique_ptr<FilterWriter> makeSpamAssassinWriter(std::vector<std::string> safeDomains);
std::unique_ptr<FilterWriter> makeGmailWriter(std::vector<std::string> safeDomains);

// The most characters of criteria one web mail filter gets.
inline constexpr std::size_t kGmailCriteriaLimit = 1500;

}  // namespace plevo
