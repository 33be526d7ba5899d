#pragma once
// A whole tool on a list of domain-like lines in a folder of its own, every question answered by
// a script: what the main window's benchmarks work on.

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "forms/PlevoTool.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "registry/SubstituteRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TestToolkit.h"

namespace plevo::bench {

// n lines "name.tld" and "userN@name.tld", with CR LF breaks, the same for every run.
inline std::string domainLikeLines(std::size_t n) {
    std::mt19937 rng(7);
    const char* tlds[] = {"example", "test", "invalid", "EXAMPLE"};
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        std::string name;
        const std::size_t len = 3 + rng() % 10;
        for (std::size_t k = 0; k < len; ++k) name += static_cast<char>('a' + rng() % 26);
        if (rng() % 3 == 0) out += "user" + std::to_string(rng() % 1000) + "@";
        out += name + "." + tlds[rng() % 4] + "\r\n";
    }
    return out;
}

struct Session {
    std::filesystem::path dir;
    test::ScriptedDialogs dialogs;
    SubstituteRegistry registry;
    SubstituteShell shell{dialogs, [](const std::filesystem::path&) {}};
    std::unique_ptr<PlevoTool> tool;
    std::string listPath;

    explicit Session(std::size_t lines) {
        namespace fs = std::filesystem;
        dir = fs::temp_directory_path() / ("plevo-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        fs::current_path(dir);
        listPath = pathText(dir / "list.txt");
        writeFileAtomic(listPath, domainLikeLines(lines));
        tool = std::make_unique<PlevoTool>(ToolSetup{.toolkit = test::testToolkit(),
                                                     .dialogs = dialogs,
                                                     .registry = registry,
                                                     .shell = shell,
                                                     .driveC = dir});
        tool->state().StartFolder = pathText(dir);
        tool->state().SafeListLoaded = true;
    }
    ~Session() {
        namespace fs = std::filesystem;
        dialogs.verify();
        tool.reset();
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(dir);
    }
    // "Open Text File" on the list; the safe list's dialog that follows is cancelled.
    void open() {
        dialogs
            .expectOpenFile({.defaultExt = "txt",
                             .filter = "Text files (*.txt)|*.TXT",
                             .fileName = "Blocked Senders List",
                             .initialDir = pathText(dir)},
                            listPath)
            .expectSafeListDialogCancelled();
        click("Button7");
    }
    // The main window shown, as a user sees it: its welcome is answered.
    void show() {
        dialogs.expectWelcome();
        tool->show();
        test::testToolkit().processEvents();
    }
    void click(std::string_view button) { tool->Replace().form().get<ui::Button>(button).click(); }
};

}  // namespace plevo::bench
