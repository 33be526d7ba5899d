#pragma once
// What a blocked-senders entry is to a mail filter: an e-mail address, a domain name, or neither.
// Nothing is guessed: an entry with a blank, a stray character or a byte outside ASCII (whose
// character set the list does not say) is neither.

#include <string_view>

namespace plevo {

enum class SenderKind { Address, Domain, Other };

// A domain name: labels of letters, digits, "-" and "_" joined by dots, each 1 to 63 characters
// and neither starting nor ending with "-", 253 characters at most. One label ("com") is a domain.
bool isDomainName(std::string_view text);

// An address is LOCAL@DOMAIN with a dot-atom local part (letters, digits and
// !#$%&'*+-/=?^_`{|}~, dots between them) of at most 64 characters.
SenderKind senderKind(std::string_view entry);

// The text after the "@" of an address.
std::string_view addressDomain(std::string_view address);

bool isAscii(std::string_view text);

}  // namespace plevo
