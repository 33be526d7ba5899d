#pragma once
// The four commands of plevo-lists on the bytes of a text list file, giving the bytes the
// window would write after the same operation.

#include <span>
#include <string>
#include <string_view>

#include "Arguments.h"

namespace plevo {

std::string runListCommand(ListCommand command, std::string_view input,
                           std::span<const std::string> safeLines);

}  // namespace plevo
