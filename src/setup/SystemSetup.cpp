#include "setup/SystemSetup.h"

#include "platform/DriveC.h"
#include "platform/Files.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#else
#include <unistd.h>
#endif

namespace plevo {
namespace fs = std::filesystem;

#ifdef _WIN32
bool startInstalledProgram(const fs::path& program, const fs::path& folder) {
    const std::string file = pathText(program);
    const std::string dir = pathText(folder);
    return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", file.c_str(), nullptr,
                                                   dir.c_str(), SW_SHOWNORMAL)) > 32;
}

fs::path rememberedFolderFile() {
    char appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData))) return {};
    return fs::path(pathFromText(appData)) / "Plevo" / "Install folder.txt";
}
#else
bool startInstalledProgram(const fs::path& program, const fs::path& folder) {
    // The installed program runs on its own; Setup ends right after.
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return true;
}

fs::path rememberedFolderFile() {
    return userDataFolder() / "Install folder.txt";
}
#endif

}  // namespace plevo
