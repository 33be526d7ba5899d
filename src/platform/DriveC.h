#pragma once
// Drive C. On Windows "C:\..." is the real drive; elsewhere a folder stands for it and names
// resolve case-insensitively, as they do on Windows.

#include <filesystem>
#include <string_view>

namespace plevo {

#ifndef _WIN32
// Where the current user's substitute registry and drive C folder live off Windows:
// $XDG_DATA_HOME/Plevo, or ~/.local/share/Plevo.
std::filesystem::path userDataFolder();
#endif

class DriveC {
public:
    // root: the folder that stands for "C:\" off Windows; on Windows "C:\" itself, or a folder
    // that stands for it (tests).
    explicit DriveC(std::filesystem::path root);

    // Maps a "C:\..." path (either slash, any case of the drive letter) to a real path. Existing
    // folders and files are matched case-insensitively; missing parts keep the case given.
    // Throws FileError for a path that is not on drive C.
    std::filesystem::path resolve(std::string_view windowsPath) const;

    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};

}  // namespace plevo
