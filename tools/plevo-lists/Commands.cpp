#include "Commands.h"

#include "workbench/LineSort.h"
#include "workbench/ListOperations.h"
#include "workbench/TextList.h"

namespace plevo {
namespace {

// One line per offer, INDEX TAB ENTRY TAB PROPOSAL, ended by CR LF like every list we write.
std::string formatOffers(std::span<const std::string> entries,
                         std::span<const std::string> safeLines) {
    const auto offers = listEditOffers(entries, safeLines);
    std::string out;
    for (const auto& offer : offers) {
        out += std::to_string(offer.index);
        out += '\t';
        out += offer.entry;
        out += '\t';
        out += offer.proposal;
        out += "\r\n";
    }
    return out;
}

}  // namespace

std::string runListCommand(ListCommand command, std::string_view input,
                           std::span<const std::string> safeLines) {
    TextList list = parseTextList(input);
    switch (command) {
        case ListCommand::Reduce:
            // Entries are replaced in place, so the list keeps the form it was read in.
            reduceAll(list.entries, safeLines);
            return formatTextList(list);
        case ListCommand::Dedupe:
            deleteDuplicates(list.entries, safeLines);
            return formatRebuiltList(list.entries);
        case ListCommand::Sort:
            sortBoxLines(list.entries);
            return formatRebuiltList(list.entries);
        case ListCommand::Offers:
            return formatOffers(list.entries, safeLines);
        case ListCommand::Export:
            break;  // export streams; main runs it
    }
    return {};
}

}  // namespace plevo
