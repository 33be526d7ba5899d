#include "platform/DriveC.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/Files.h"

namespace plevo {
namespace fs = std::filesystem;

#ifndef _WIN32
fs::path userDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return fs::path(data) / "Plevo";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "Plevo";
}
#endif

DriveC::DriveC(fs::path root) : root_(std::move(root)) {}

#ifndef _WIN32
namespace {

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace
#endif

fs::path DriveC::resolve(std::string_view windowsPath) const {
    const bool onDriveC =
        windowsPath.size() >= 3 && (windowsPath[0] == 'C' || windowsPath[0] == 'c') &&
        windowsPath[1] == ':' && (windowsPath[2] == '\\' || windowsPath[2] == '/');
    if (!onDriveC) throw FileError("Not a path on drive C: \"" + std::string(windowsPath) + "\"");
#ifdef _WIN32
    // The real drive, unless a folder was given to stand for it (the tests' own drive C).
    const std::string rootText = pathText(root_);
    if (rootText.empty() || (rootText.size() <= 3 && (rootText[0] == 'C' || rootText[0] == 'c')))
        return pathFromText(windowsPath);
    return root_ / pathFromText(windowsPath.substr(3));
#else
    fs::path result = root_;
    std::string_view rest = windowsPath.substr(3);
    while (!rest.empty()) {
        const std::size_t cut = rest.find_first_of("\\/");
        const std::string_view part = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..")
            throw FileError("No \"..\" in a drive C path: \"" + std::string(windowsPath) + "\"");
        fs::path next = result / std::string(part);
        std::error_code ec;
        if (!fs::exists(next, ec) && fs::is_directory(result, ec)) {
            for (const auto& e : fs::directory_iterator(result, ec)) {
                if (sameNameIgnoringCase(e.path().filename().native(), part)) {
                    next = e.path();
                    break;
                }
            }
        }
        result = std::move(next);
    }
    return result;
#endif
}

}  // namespace plevo
