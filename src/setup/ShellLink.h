#pragma once
// Shortcut files ("Plevo.lnk"): the settings Setup gives every shortcut, our own writer of the
// system's binary shortcut format, and the writer Setup uses (on Windows the system's ShellLink
// component, elsewhere ours).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace plevo {

struct ShellLinkSettings {
    std::string target;      // "C:\Plevo\Plevo Trial.exe"
    std::string arguments;   // empty for ours
    std::string workingDir;  // "C:\Plevo\"
    int showCommand = 0;
    std::string iconPath;  // "C:\Plevo\Plevo.ICO"
    int iconIndex = 0;
};

// The shortcut file's bytes: a header, the target as a local path (no item list), and the
// working folder, arguments and icon as 8-bit strings.
std::string shellLinkBytes(const ShellLinkSettings& settings);

class ShortcutWriter {
public:
    virtual ~ShortcutWriter() = default;
    // Writes the shortcut file; throws FileError when it cannot.
    virtual void write(const std::filesystem::path& file, const ShellLinkSettings& settings) = 0;
};

// Writes shellLinkBytes through the atomic file writer.
class FormatShortcutWriter : public ShortcutWriter {
public:
    void write(const std::filesystem::path& file, const ShellLinkSettings& settings) override;
};

#ifdef _WIN32
// The system's ShellLink component (IShellLinkA, IPersistFile).
class ComShortcutWriter : public ShortcutWriter {
public:
    void write(const std::filesystem::path& file, const ShellLinkSettings& settings) override;
};
#endif

// The writer Setup uses on this system.
std::unique_ptr<ShortcutWriter> systemShortcutWriter();

}  // namespace plevo
