// The substitute registry at the sizes a large Blocked Senders list reaches.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/Files.h"
#include "registry/KeyNames.h"
#include "registry/RegFile.h"
#include "registry/SubstituteRegistry.h"

namespace {

namespace fs = std::filesystem;

const std::string kCriteria =
    "Identities\\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\\Software\\Microsoft\\Outlook Express\\5.0"
    "\\Block Senders\\Mail\\Criteria";

class TempFolder {
public:
    TempFolder()
        : path_(fs::temp_directory_path() /
                ("plevo-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void writeEntries(plevo::RegistryAccess& reg, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        reg.openKey(kCriteria + "\\" + plevo::keyName(i), true);
        reg.writeDword("Flags", 0);
        reg.writeDword("Logic", 1);
        reg.writeDword("Type", 23);
        reg.writeString("Value", "sender" + std::to_string(i) + "@bulk" + std::to_string(i % 97) +
                                     ".example.com");
        reg.writeDword("ValueType", 30);
    }
    reg.closeKey();
}

// 10,000 entry keys of five values each written into the substitute, then the file saved.
void writeTenThousandEntryKeysAndSave(benchmark::State& state) {
    TempFolder folder;
    const fs::path file = folder.path() / "HKEY_CURRENT_USER.reg";
    for (auto _ : state) {
        state.PauseTiming();
        std::error_code ec;
        fs::remove(file, ec);
        plevo::SubstituteRegistry reg;
        reg.load(file);  // the sample, written at first start
        state.ResumeTiming();
        writeEntries(reg, 10000);
        reg.flush();
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(file)) / 1e6;
}
BENCHMARK(writeTenThousandEntryKeysAndSave)->Unit(benchmark::kMillisecond)->Iterations(5);

// Loading a 20 MB registry file (UTF-16, as exports are written).
void loadTwentyMegabyteFile(benchmark::State& state) {
    TempFolder folder;
    const fs::path file = folder.path() / "HKEY_CURRENT_USER.reg";
    {
        plevo::SubstituteRegistry reg;
        std::size_t entries = 0;
        std::string text;
        do {
            writeEntries(reg, entries += 5000);
            text = reg.exportText();
        } while (text.size() < 20'000'000);
        plevo::writeFileAtomic(file, text);
    }
    for (auto _ : state) {
        plevo::SubstituteRegistry reg;
        reg.load(file);
        benchmark::DoNotOptimize(reg.inService());
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(file)) / 1e6;
}
BENCHMARK(loadTwentyMegabyteFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// Enumerating 10,000 subkeys of one key.
void enumerateTenThousandSubkeys(benchmark::State& state) {
    plevo::SubstituteRegistry reg;
    for (std::size_t i = 0; i < 10000; ++i) reg.openKey(kCriteria + "\\" + plevo::keyName(i), true);
    for (auto _ : state) {
        reg.openKey(kCriteria, false);
        const auto names = reg.subkeyNames();
        benchmark::DoNotOptimize(names.data());
    }
}
BENCHMARK(enumerateTenThousandSubkeys)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
