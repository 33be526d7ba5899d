#include "setup/SetupPaths.h"

#include <cctype>
#include <string>
#include <system_error>

#include "platform/Files.h"

namespace plevo {

std::filesystem::path SetupPaths::resolve(std::string_view text) const {
#ifdef _WIN32
    const bool onDriveC = text.size() >= 3 && (text[0] == 'C' || text[0] == 'c') &&
                          text[1] == ':' && (text[2] == '\\' || text[2] == '/');
    return onDriveC ? driveC_.resolve(text) : pathFromText(text);
#else
    const bool drivePath = text.size() >= 3 && std::isalpha(static_cast<unsigned char>(text[0])) &&
                           text[1] == ':' && (text[2] == '\\' || text[2] == '/');
    if (!drivePath) {
        std::string native(text);
        for (char& c : native)
            if (c == '\\') c = '/';
        return pathFromText(native);
    }
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    if (letter == 'c') return driveC_.resolve(text);
    const DriveC other(driveC_.root().parent_path() / (std::string("drive_") + letter));
    return other.resolve("C:" + std::string(text.substr(2)));
#endif
}

bool SetupPaths::exists(std::string_view text) const {
    std::error_code ec;
    return std::filesystem::exists(resolve(text), ec);
}

}  // namespace plevo
