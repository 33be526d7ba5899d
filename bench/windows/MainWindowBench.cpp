// Opening a list into the main window and sorting it there, offscreen. The figure to compare is
// the sort against the load of the same text: the box is refilled once, so the sort should cost
// about as much as a load.
#include <benchmark/benchmark.h>

#include "MainWindowSession.h"

namespace {

using plevo::bench::Session;

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
