// The start-up time of the Windows program: from CreateProcess until its main window is visible,
// RUNS times in a row in one Wine (or Windows) session; prints each time and the median. Each
// started program is ended once its window shows.
//   bench_startup "PATH\Plevo Trial.exe" [RUNS]     (5 runs)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const kMainWindow = "Outlook Express - Blocked Senders List";

bool mainWindowShown(DWORD process) {
    for (HWND w = FindWindowA(nullptr, kMainWindow); w;
         w = FindWindowExA(nullptr, w, nullptr, kMainWindow)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == process && IsWindowVisible(w)) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup PROGRAM [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        std::string command = std::string("\"") + argv[1] + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        const auto begin = std::chrono::steady_clock::now();
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &started)) {
            std::fprintf(stderr, "cannot start %s (error %lu)\n", argv[1], GetLastError());
            return 1;
        }
        bool shown = false;
        while (!(shown = mainWindowShown(started.dwProcessId)) &&
               WaitForSingleObject(started.hProcess, 1) == WAIT_TIMEOUT &&
               std::chrono::steady_clock::now() - begin < std::chrono::seconds(60)) {
        }
        const double took =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count();
        TerminateProcess(started.hProcess, 0);
        WaitForSingleObject(started.hProcess, 10000);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        if (!shown) {
            std::fprintf(stderr, "the main window did not show within 60 s\n");
            return 1;
        }
        std::printf("start %d: %.0f ms\n", i + 1, took);
        ms.push_back(took);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("median of %d starts to the main window: %.0f ms\n", runs, ms[ms.size() / 2]);
    return 0;
}
