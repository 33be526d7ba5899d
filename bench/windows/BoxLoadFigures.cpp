// The main window's list box against the bare control it is made of, on the build's backend:
// the time to load N lines into a bare multi-line box (the system's EDIT on Win32, a
// QPlainTextEdit on Qt) that already holds them, against "Open Text File" and "Sort
// Alphabetically" of the same lines in the main window. Timed by hand, not by Google Benchmark,
// so that it also builds for Windows and runs under Wine.
//   bench_box_load [LINES] [RUNS]      (100000 lines, 5 runs; prints the medians)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MainWindowSession.h"
#include "ui/Backend.h"
#include "ui/Toolkit.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QApplication>
#include <QPlainTextEdit>
#endif

namespace plevo::test {
namespace {
std::unique_ptr<ui::Toolkit> toolkit;
}
ui::Toolkit& testToolkit() {
    return *toolkit;
}
}  // namespace plevo::test

namespace {

// The bare control, shown, at the size of the main window's list box.
class BareBox {
public:
#ifdef _WIN32
    BareBox() {
        frame_ = CreateWindowExA(0, "STATIC", "bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                 500, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        box_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                   ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                               8, 8, 257, 400, frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(box_, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    }
    ~BareBox() {
        DestroyWindow(frame_);
    }
    void load(const std::string& crlfText) {
        SetWindowTextA(box_, crlfText.c_str());
    }

private:
    HWND frame_ = nullptr;
    HWND box_ = nullptr;
#else
    BareBox() {
        box_.setLineWrapMode(QPlainTextEdit::NoWrap);
        box_.resize(257, 400);
        box_.show();
    }
    void load(const std::string& crlfText) {
        std::string lf;
        lf.reserve(crlfText.size());
        for (char c : crlfText)
            if (c != '\r') lf += c;
        box_.setPlainText(QString::fromLatin1(lf.data(), static_cast<qsizetype>(lf.size())));
    }

private:
    QPlainTextEdit box_;
#endif
};

// The median of `runs` timings of `step`, in milliseconds; the events the step left are handled
// inside the timing, so that drawing counts for every candidate alike.
double medianMs(int runs, const std::function<void()>& before, const std::function<void()>& step) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        before();
        plevo::test::testToolkit().processEvents();
        const auto start = std::chrono::steady_clock::now();
        step();
        plevo::test::testToolkit().processEvents();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
#ifndef _WIN32
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    plevo::test::toolkit = plevo::ui::createToolkit(argc, argv, "Plevo");
    const std::size_t lines = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const std::string text = plevo::bench::domainLikeLines(lines);
    double bare = 0;
    double open = 0;
    double sort = 0;
    {
        BareBox box;
        box.load(text);
        bare = medianMs(
            runs, [] {}, [&] { box.load(text); });
    }
    {
        plevo::bench::Session session(lines);
        session.tool->state().AssistantRunning = true;  // no closing message after the sort
        session.show();
        session.open();
        open = medianMs(
            runs, [] {}, [&] { session.open(); });
        sort = medianMs(
            runs, [&] { session.open(); }, [&] { session.click("Button6"); });
    }
    std::printf("%zu lines, median of %d runs\n", lines, runs);
    std::printf("bare box load         %9.1f ms\n", bare);
    std::printf("Open Text File        %9.1f ms  %.2fx the bare load\n", open, open / bare);
    std::printf("Sort Alphabetically   %9.1f ms  %.2fx the bare load\n", sort, sort / bare);
    plevo::test::toolkit.reset();
    return 0;
}
