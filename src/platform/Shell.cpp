#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>
#include <cctype>

#include "platform/Files.h"
#include "platform/Text.h"

#ifdef _WIN32
#include <shellapi.h>
#include <windows.h>
#endif

namespace plevo {

#ifdef _WIN32
bool WindowsShell::open(const std::filesystem::path& file, const std::string&) {
    const std::string path = pathText(file);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}
#endif

SubstituteShell::SubstituteShell(Dialogs& dialogs, Importer importRegFile)
    : dialogs_(dialogs), import_(std::move(importRegFile)) {}

bool SubstituteShell::open(const std::filesystem::path& file, const std::string& shownName) {
    std::string ext = file.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".reg") {
        if (!fileExists(file)) return false;
        // As the system's import does: ask, then merge; the request counts as started either way.
        if (dialogs_.confirm("Are you sure you want to add the information in " + shownName +
                                 " to the registry?",
                             Buttons::YesNo) == Answer::Yes)
            import_(file);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(pathText(file))));
}

}  // namespace plevo
