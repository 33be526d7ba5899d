#pragma once
// The two small files Setup keeps about an installation, read as untrusted text: anyone may have
// edited or damaged them, and Uninstall deletes what they name. So a folder is taken only when it
// is plainly an installation folder, and a file name only when it names a file inside it.
// - The remembered folder: one line, the folder of the last installation (per user).
// - The record of installed files, in the installation folder: one file name a line, each file
//   Setup copied or wrote there.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plevo {

// The record's name in the installation folder.
inline constexpr const char* kInstallRecordFile = "Installed files.txt";

// An absolute path ("X:\...", "\\server\share\..." or, off Windows, "/...") whose last part is
// "Plevo", with no part that is empty, ".", "..", made of dots and blanks only, or that the system
// would read as another name (a trailing dot or blank, a ':'); no wildcard or control character.
// So it is never a drive root nor "/", and never climbs out of the folders it names.
bool isInstallFolderPath(std::string_view text);

// A name of a file directly inside a folder: no separator, drive or stream (':'), wildcard or
// control character; not "." or "..", nor dots and blanks only, nor ending in a dot or blank.
bool isPlainFileName(std::string_view name);

// The remembered folder's file: the folder when its one line passes isInstallFolderPath.
std::optional<std::string> rememberedFolderFromText(std::string_view bytes);
std::string rememberedFolderText(const std::string& folder);

// The record's names that pass isPlainFileName, each once, in their order; the rest is ignored.
std::vector<std::string> installedNamesFromText(std::string_view bytes);
std::string installedNamesText(const std::vector<std::string>& names);

}  // namespace plevo
