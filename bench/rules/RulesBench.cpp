// The rules window's open and save at the size of a large rule set: 100 rules, each with 1,000
// words spread over the four lists, on the substitute registry.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "registry/SubstituteRegistry.h"
#include "rules/RuleOpen.h"
#include "rules/RuleSave.h"

namespace {

constexpr const char* kRules =
    "Identities\\{A}\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail";
constexpr int kRuleCount = 100;
constexpr int kWordsPerRule = 1000;

plevo::RuleLists largeLists() {
    plevo::RuleLists lists;
    for (int r = 0; r < kRuleCount; ++r) {
        const std::string rule = "Rule number " + std::to_string(r);
        for (int w = 0; w < kWordsPerRule; ++w)
            lists[static_cast<std::size_t>(w % 4)].push_back(
                {rule, "word" + std::to_string(w) + "@sender" + std::to_string(r) + ".example"});
    }
    return lists;
}

std::unique_ptr<plevo::SubstituteRegistry> registryWithRules(const plevo::RuleLists& lists) {
    auto reg = std::make_unique<plevo::SubstituteRegistry>();
    reg->openKey(kRules, true);
    reg->closeKey();
    plevo::SaveRules(*reg, kRules, lists, plevo::kLogicOr, {});
    return reg;
}

void SaveRules(benchmark::State& state) {
    const plevo::RuleLists lists = largeLists();
    for (auto _ : state) {
        state.PauseTiming();
        const auto reg = registryWithRules(lists);  // a save replaces the rules there are
        const auto stored = plevo::ReadRuleKeys(*reg, kRules);
        state.ResumeTiming();
        const auto result = plevo::SaveRules(*reg, kRules, lists, plevo::kLogicOr, stored);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(SaveRules)->Unit(benchmark::kMillisecond);

void OpenRules(benchmark::State& state) {
    const plevo::RuleLists saved = largeLists();
    for (auto _ : state) {
        state.PauseTiming();
        const auto reg = registryWithRules(saved);
        plevo::RuleLists lists;
        state.ResumeTiming();
        const auto opened = plevo::OpenRules(*reg, kRules, lists, [](const std::string&) {});
        benchmark::DoNotOptimize(opened);
        if (lists[0].size() != saved[0].size()) state.SkipWithError("the open lost rows");
    }
}
BENCHMARK(OpenRules)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
