// Timings of the list operations on large lists. Goals on a two-core machine: the sort of a
// million lines under 1 s, the domain editor's search of 100,000 entries against 10,000 safe
// lines under 0.5 s; duplicate deletion and reduction are timed for comparison.

#include <benchmark/benchmark.h>

#include "ListData.h"
#include "lists/LineSort.h"
#include "lists/ListOperations.h"

namespace {

using plevo::bench::ListData;

void BM_SortBoxLines(benchmark::State& state) {
    const auto lines = plevo::bench::domainLines(std::size_t(state.range(0)), 1);
    for (auto _ : state) {
        state.PauseTiming();
        auto work = lines;
        state.ResumeTiming();
        plevo::sortBoxLines(work);
        benchmark::DoNotOptimize(work.data());
    }
}
BENCHMARK(BM_SortBoxLines)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_DeleteDuplicates(benchmark::State& state) {
    const ListData data = plevo::bench::mixedList(std::size_t(state.range(0)), 2);
    std::size_t kept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto work = data.entries;
        state.ResumeTiming();
        plevo::deleteDuplicates(work, data.safeLines);
        kept = work.size();
    }
    state.counters["kept"] = double(kept);
}
BENCHMARK(BM_DeleteDuplicates)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_ReduceAll(benchmark::State& state) {
    const ListData data = plevo::bench::mixedList(std::size_t(state.range(0)), 3);
    std::size_t replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto work = data.entries;
        state.ResumeTiming();
        replaced = plevo::reduceAll(work, data.safeLines);
    }
    state.counters["replaced"] = double(replaced);
}
BENCHMARK(BM_ReduceAll)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The whole search as the editor's walk needs it: the automaton built from the safe lines, then
// every entry tested.
void BM_EditOffers(benchmark::State& state) {
    const ListData data = plevo::bench::editList(100'000, std::size_t(state.range(0)), 4);
    std::size_t offers = 0;
    for (auto _ : state) offers = plevo::listEditOffers(data.entries, data.safeLines).size();
    state.counters["offers"] = double(offers);
}
BENCHMARK(BM_EditOffers)->Arg(10'000)->Unit(benchmark::kMillisecond);

// Appending one line to the safe list during the walk rebuilds the automaton.
void BM_SafeMatcherRebuild(benchmark::State& state) {
    const ListData data = plevo::bench::editList(1, std::size_t(state.range(0)), 5);
    plevo::SubstringMatcher matcher(data.safeLines);
    for (auto _ : state) matcher.assign(data.safeLines);
}
BENCHMARK(BM_SafeMatcherRebuild)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace
