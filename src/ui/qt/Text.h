#pragma once
// Lossless conversion between the logic's 8-bit text and QString: Latin-1 off Windows (every byte
// maps to one character and back), the ANSI code page on Windows.

#include <QString>
#include <string>
#include <string_view>

namespace plevo {

QString toQString(std::string_view bytes);
std::string fromQString(const QString& text);

// Paths as the file system spells them: the ANSI code page on Windows, the locale's encoding
// (UTF-8) elsewhere. List contents never go through these.
QString pathToQString(std::string_view path);
std::string pathFromQString(const QString& path);

// A message text with its "\n\r" joins (and lone "\n" or "\r") turned into display line breaks.
// Off Windows a message that is valid UTF-8 with letters beyond ASCII (a path of the user's) is
// shown as UTF-8; any other is read byte by byte as Latin-1, like the lists.
QString displayText(std::string_view bytes);

}  // namespace plevo
