#pragma once
// The registry import text that sets up a first mail rule for an identity that has none: the
// mail client's settings keys, an empty Blocked Senders key and one rule ("New Mail Rule #1",
// delete messages whose subject holds "new"). The identity stands as "Identities\{}" in the
// template and is filled in for each set-up.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plevo {

inline constexpr std::string_view kIdentityPlaceholder = "Identities\\{}";
inline constexpr std::string_view kRuleSetupFile = "C:\\Rules.reg";

// The template, line by line; every set-up starts from it unchanged.
const std::vector<std::string>& ruleSetupTemplate();

// The template with the first "Identities\{}" of each line replaced by identityKeyPath, every
// line followed by CR LF. nullopt when the path holds a character that would let it write other
// keys than its own into the import text (a control character or "]").
std::optional<std::string> ruleSetupText(std::string_view identityKeyPath);

}  // namespace plevo
