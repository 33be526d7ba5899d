#pragma once
// The line breaks of the tool's message texts, as both backends show them. The tool joins lines
// by "\n\r"; a text from elsewhere may hold "\r\n" or a lone "\n" or "\r". Each of these is one
// line break, and two equal breaks in a row ("\n\n") are two.

#include <string>
#include <string_view>

namespace plevo::ui {

// `text` with each of its line breaks written as `lineBreak`.
std::string withLineBreaks(std::string_view text, std::string_view lineBreak);

}  // namespace plevo::ui
