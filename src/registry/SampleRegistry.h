#pragma once
// The registry a first start off Windows begins with: one identity "Main Identity" with a Mail
// and a News Blocked Senders list to clean and one mail rule, so the whole road can be walked.

#include <string_view>

namespace plevo {

// Registry export text (version 5, 8-bit, LF line ends).
std::string_view sampleRegistryText();

}  // namespace plevo
