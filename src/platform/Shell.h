#pragma once
// The shell's "open" operation. On Windows the system opens the file with its own program (a
// .reg file goes to the registry import, which asks the user first). Elsewhere a .reg file is
// imported into the substitute registry after the same question, and other files go to the
// desktop's opener.

#include <filesystem>
#include <functional>
#include <string>

#include "platform/Dialogs.h"

namespace plevo {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens file; `shownName` is how the user knows it ("C:\Rules.reg"). True when the request
    // was accepted (the import itself, with its question, runs on its own).
    virtual bool open(const std::filesystem::path& file, const std::string& shownName) = 0;
};

#ifdef _WIN32
class WindowsShell : public Shell {
public:
    bool open(const std::filesystem::path& file, const std::string& shownName) override;
};
#endif

// Off Windows: imports .reg files with `importRegFile` after a Yes/No question.
class SubstituteShell : public Shell {
public:
    using Importer = std::function<void(const std::filesystem::path&)>;
    SubstituteShell(Dialogs& dialogs, Importer importRegFile);
    bool open(const std::filesystem::path& file, const std::string& shownName) override;

private:
    Dialogs& dialogs_;
    Importer import_;
};

}  // namespace plevo
