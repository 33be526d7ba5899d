#pragma once
// The 8-bit texts of the layer as Windows controls take them. A Windows text box ends its text at
// byte 0x00, so a 0x00 in a text becomes a blank (0x20) on its way in; every other byte goes in
// and comes out unchanged (CR and LF only as line ends).

#include <string>
#include <string_view>
#include <vector>

namespace plevo::ui::win32 {

// What a box shows for byte 0x00.
inline constexpr char kNulShownAs = ' ';

// The text with each 0x00 turned into kNulShownAs.
std::string boxText(std::string_view text);

// A message for a message box or label: the layer's "\n\r" joins (and a lone "\n" or "\r") become
// the "\r\n" line breaks Windows shows.
std::string displayText(std::string_view text);

// The lines of a text: CR LF, a lone CR and a lone LF each end a line. `endsWithBreak` tells
// whether the text ended with a line break.
std::vector<std::string> splitLines(std::string_view text, bool* endsWithBreak = nullptr);

// The lines of a multi-line box's own text, whose lines end with CR LF; an empty last line after
// the final break is not a line.
std::vector<std::string> boxLines(std::string_view text);

// The lines joined by CR LF, with a final CR LF when `finalBreak`; 0x00 shown as kNulShownAs.
std::string joinBoxLines(const std::vector<std::string>& lines, bool finalBreak);

// A file dialog's filter, "description|patterns" pairs joined by "|", in the form the system's
// dialog reads: each part ended by 0x00, the whole by a second 0x00.
std::string fileFilter(std::string_view filter);

}  // namespace plevo::ui::win32
