// The windows know nothing of the toolkit: no toolkit header and no window call of the system
// outside the backends, and every dialog goes through the Dialogs seam so that tests can script
// it (no Qt dialog class outside the Qt backend).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct Rule {
    const char* what;
    std::regex pattern;
    // Folders below the root (with their subfolders) where the pattern is allowed.
    std::vector<fs::path> allowedIn;
};

std::string read(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool under(const fs::path& rel, const fs::path& folder) {
    auto r = rel.begin();
    for (const auto& part : folder) {
        if (r == rel.end() || *r != part) return false;
        ++r;
    }
    return true;
}

// The files of src/ and tools/ that break `rule`, relative to the root.
std::vector<std::string> offenders(const Rule& rule, int& files) {
    const fs::path root = PLEVO_SOURCE_DIR;
    std::vector<std::string> out;
    files = 0;
    for (const char* top : {"src", "tools"}) {
        if (!fs::exists(root / top)) continue;
        for (const auto& e : fs::recursive_directory_iterator(root / top)) {
            if (!e.is_regular_file()) continue;
            const auto ext = e.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            ++files;
            const fs::path rel = fs::relative(e.path(), root);
            bool allowed = false;
            for (const fs::path& folder : rule.allowedIn) allowed = allowed || under(rel, folder);
            if (!allowed && std::regex_search(read(e.path()), rule.pattern))
                out.push_back(rel.generic_string());
        }
    }
    return out;
}

void expectKept(const std::vector<Rule>& rules) {
    for (const Rule& rule : rules) {
        int files = 0;
        const auto found = offenders(rule, files);
        EXPECT_GT(files, 10) << "the tree was really read";
        EXPECT_TRUE(found.empty()) << rule.what << " in " << testing::PrintToString(found);
    }
}

const std::vector<fs::path> kQt{"src/ui/qt"};
const std::vector<fs::path> kBackends{"src/ui/qt", "src/ui/win32"};

}  // namespace

TEST(SourceRules, QtDialogsAreUsedOnlyInTheQtBackend) {
    expectKept(
        {{"Qt dialog classes", std::regex(R"(\b(QMessageBox|QInputDialog|QFileDialog)\b)"), kQt}});
}

TEST(SourceRules, NoToolkitOutsideItsBackend) {
    expectKept({
        {"Qt headers", std::regex(R"(#\s*include\s*[<"]Q[A-Za-z]*[>"/])"), kQt},
        // Window calls of the system; the registry and the shell use windows.h for other things.
        {"Win32 window calls",
         std::regex(R"(\b(CreateWindowExA?|MessageBoxA?|GetOpenFileNameA?|GetSaveFileNameA?|)"
                    R"(SetTimer|DialogBox\w*|CreateDialog\w*|RegisterClass\w*|GetMessageA?|)"
                    R"(DispatchMessageA?|SendMessageA?|PostMessageA?|BeginPaint|GetDC)\s*\()"),
         kBackends},
        {"common control headers",
         std::regex(R"(#\s*include\s*[<"](commctrl|commdlg)\.h[>"])", std::regex::icase),
         kBackends},
    });
}
