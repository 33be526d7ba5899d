#pragma once
// Lossless conversion between the logic's 8-bit text and QString: Latin-1 off Windows (every byte
// maps to one character and back), the ANSI code page on Windows.

#include <QString>
#include <string>
#include <string_view>

namespace plevo {

QString toQString(std::string_view bytes);
std::string fromQString(const QString& text);

// A message text with its "\n\r" joins (and lone "\n" or "\r") turned into display line breaks.
QString displayText(std::string_view bytes);

}  // namespace plevo
