// The registry road on big lists, offscreen: one identity whose Mail and News lists hold 10,000
// entries each; Open both, Sort, Save Changes (import Yes), Save. Every question is answered by
// the script; the substitute registry is kept in a file, written at the end of each operation
// that changed it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "forms/PlevoTool.h"
#include "forms/registry/RegistryUnit.h"
#include "forms/workbench/ReplaceCharsUnit.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "registry/KeyNames.h"
#include "registry/SubstituteRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TestToolkit.h"

namespace {

namespace fs = std::filesystem;
using plevo::test::ScriptedDialogs;

constexpr const char* kId = "Identities\\{B}";
const std::string kBlocks =
    std::string(kId) + "\\Software\\Microsoft\\Outlook Express\\5.0\\Block Senders";

void fill(plevo::SubstituteRegistry& reg, const char* kind, std::size_t n, std::mt19937& rng) {
    for (std::size_t k = 0; k < n; ++k) {
        reg.openKey(kBlocks + "\\" + kind + "\\Criteria\\" + plevo::keyName(k), true);
        reg.writeDword("Flags", 0);
        reg.writeDword("Logic", 1);
        reg.writeDword("Type", 23);
        reg.writeString("Value", "user" + std::to_string(rng() % 5000) + "@host" +
                                     std::to_string(rng() % 3000) + ".example");
        reg.writeDword("ValueType", 30);
    }
    reg.closeKey();
}

void BM_RegistryRoad(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const fs::path dir =
        fs::temp_directory_path() / ("plevo-road-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir / "drive_c");
    fs::current_path(dir);
    plevo::writeFileAtomic(dir / "Outlook Safe Domains.txt", "host7.example\r\n");
    int writes = 0;
    int operations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        plevo::SubstituteRegistry registry;
        registry.openKey(kId, true);
        registry.writeString("Username", "Main Identity");
        registry.openKey(
            std::string(kId) + "\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail", true);
        std::mt19937 rng(3);
        fill(registry, "Mail", n, rng);
        fill(registry, "News", n, rng);
        plevo::writeFileAtomic(dir / "HKEY_CURRENT_USER.reg", registry.exportText());
        registry.load(dir / "HKEY_CURRENT_USER.reg");
        ScriptedDialogs dialogs;
        plevo::SubstituteShell shell(dialogs, [](const fs::path&) {});
        plevo::PlevoTool tool({.toolkit = plevo::test::testToolkit(),
                               .dialogs = dialogs,
                               .registry = registry,
                               .shell = shell,
                               .driveC = dir / "drive_c",
                               .persistRegistry = [&] {
                                   ++operations;
                                   if (registry.flush()) ++writes;
                               }});
        tool.state().StartFolder = plevo::pathText(dir);
        tool.state().AssistantRunning = true;  // no information messages
        tool.state().SaveReminderShown = 1;
        plevo::TRegistryForm& reg = tool.RegistryForm();
        plevo::TReplace& main = tool.Replace();
        dialogs.expectMessage("You can use the Advanced Rules button")
            .expectMessage(
                "A backup file has been saved for your [Mail]\n\rBlocked Senders List(Plevo) "
                "registry file.\n\rSaved as; C:\\Mail Plevo.txt\n\rFirst check Outlook "
                "Express Blocked Senders List\n\rthen you can delete this file")
            .expectMessage(
                "A backup file has been saved for your [News]\n\rBlocked Senders List(Plevo) "
                "registry file.\n\rSaved as; C:\\News Plevo.txt\n\rFirst check Outlook "
                "Express Blocked Senders List\n\rthen you can delete this file")
            .expectMessage(plevo::pathText(dir / "Outlook Safe Domains.txt") +
                           " opened successfully")
            .expectMessage(
                "Your Blocked Senders List will now be sorted,\n\ryou may be asked to "
                "confirm some actions.")
            .expectConfirm(
                "Would you like to save a seperate backup copy of this file to your disk?",
                plevo::Buttons::YesNo, plevo::Answer::No)
            .expectConfirm(
                "Would you like to import this file and replace\n\ryour existing Blocked "
                "Senders List?",
                plevo::Buttons::YesNo, plevo::Answer::Yes);
        operations = 0;
        writes = 0;
        state.ResumeTiming();

        reg.form().get<plevo::ui::Button>("Button1").click();   // Open both
        reg.form().get<plevo::ui::Button>("Button2").click();   // Sort: Mail into the working list
        main.form().get<plevo::ui::Button>("Button2").click();  // Save Changes: back, sorted
        reg.form().get<plevo::ui::Button>("Button3").click();   // Save into the registry

        state.PauseTiming();
        if (reg.newsCount() != static_cast<int>(n)) state.SkipWithError("lists not handed back");
        dialogs.verify();
        state.ResumeTiming();
    }
    state.counters["operations"] = operations;
    state.counters["file_writes"] = writes;
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
}

BENCHMARK(BM_RegistryRoad)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
