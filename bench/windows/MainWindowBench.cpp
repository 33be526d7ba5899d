// Opening a list into the main window and sorting it there, offscreen. The figure to compare is
// the sort against the load of the same text: the box is refilled once, so the sort should cost
// about as much as a load.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "app/PlevoTool.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "registry/SubstituteRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TestToolkit.h"

namespace {

namespace fs = std::filesystem;
using plevo::test::ScriptedDialogs;

std::string domainLikeLines(std::size_t n) {
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
    fs::path dir;
    ScriptedDialogs dialogs;
    plevo::SubstituteRegistry registry;
    plevo::SubstituteShell shell{dialogs, [](const std::filesystem::path&) {}};
    std::unique_ptr<plevo::PlevoTool> tool;
    std::string listPath;

    explicit Session(std::size_t lines) {
        dir = fs::temp_directory_path() / ("plevo-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        fs::current_path(dir);
        listPath = plevo::pathText(dir / "list.txt");
        plevo::writeFileAtomic(listPath, domainLikeLines(lines));
        tool = std::make_unique<plevo::PlevoTool>(
            plevo::ToolSetup{.toolkit = plevo::test::testToolkit(),
                             .dialogs = dialogs,
                             .registry = registry,
                             .shell = shell,
                             .driveC = dir});
        tool->state().StartFolder = plevo::pathText(dir);
        tool->state().SafeListLoaded = true;
    }
    ~Session() {
        dialogs.verify();
        tool.reset();
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(dir);
    }
    void open() {
        dialogs
            .expectOpenFile({.defaultExt = "txt",
                             .filter = "Text files (*.txt)|*.TXT",
                             .fileName = "Blocked Senders List",
                             .initialDir = plevo::pathText(dir)},
                            listPath)
            .expectOpenFile({.defaultExt = "txt",
                             .filter = "Text files (*.txt)|*.TXT",
                             .fileName = "Outlook Safe Domains.txt"},
                            std::nullopt)
            .expectMessage("File not opened");
        click("Button7");
    }
    void click(std::string_view button) {
        tool->Replace().form().get<plevo::ui::Button>(button).click();
    }
};

void BM_OpenTextFile(benchmark::State& state) {
    Session s(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) s.open();
    state.counters["lines"] =
        static_cast<double>(s.tool->Replace().form().get<plevo::ui::Memo>("Memo1").lineCount());
}

void BM_SortAlphabetically(benchmark::State& state) {
    Session s(static_cast<std::size_t>(state.range(0)));
    s.tool->state().AssistantRunning = true;  // no closing message
    for (auto _ : state) {
        state.PauseTiming();
        s.open();
        state.ResumeTiming();
        s.click("Button6");
    }
}

// Steps 2 and 4 on the opened list, CheckBox2 unchecked (no questions).
void BM_RemoveEmailNames(benchmark::State& state) {
    Session s(static_cast<std::size_t>(state.range(0)));
    s.tool->Replace().form().get<plevo::ui::CheckBox>("CheckBox2").setChecked(false);
    for (auto _ : state) {
        state.PauseTiming();
        s.open();
        state.ResumeTiming();
        s.click("Button1");
    }
}

void BM_DeleteDuplicates(benchmark::State& state) {
    Session s(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        s.open();
        state.ResumeTiming();
        s.click("Button5");
    }
}

BENCHMARK(BM_RemoveEmailNames)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DeleteDuplicates)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenTextFile)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortAlphabetically)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
