// The main of the window benchmarks: one toolkit of the build's backend, offscreen where the
// backend can draw there.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "support/TestToolkit.h"
#include "ui/Backend.h"

namespace plevo::test {
namespace {
std::unique_ptr<ui::Toolkit> toolkit;
}

ui::Toolkit& testToolkit() {
    return *toolkit;
}

}  // namespace plevo::test

int main(int argc, char** argv) {
#ifndef _WIN32
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    plevo::test::toolkit = plevo::ui::createToolkit(argc, argv, "Plevo");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    plevo::test::toolkit.reset();
    return 0;
}
