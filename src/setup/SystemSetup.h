#pragma once
// What Setup takes from the system it runs on: the start of the installed program, and the file
// that remembers the folder of the last installation.

#include <filesystem>

namespace plevo {

// Starts a program in a working folder, through the shell on Windows; false when it could not.
bool startInstalledProgram(const std::filesystem::path& program,
                           const std::filesystem::path& folder);

// On Windows under the user's application data, elsewhere in Plevo's data folder.
std::filesystem::path rememberedFolderFile();

}  // namespace plevo
