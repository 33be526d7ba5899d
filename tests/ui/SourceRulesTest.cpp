// The layers of the tree. The windows know nothing of the toolkit: no toolkit header and no window
// call of the system outside the backends, and every dialog goes through the Dialogs seam so that
// tests can script it (no Qt dialog class outside the Qt backend). Each folder includes only the
// layers below it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
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

namespace {

// The folder an include or a source file belongs to: the window folders and the backends by
// their own names, every other folder of src/ as a whole.
std::string folderOf(const fs::path& underSrc) {
    auto part = underSrc.begin();
    std::string folder = part->generic_string();
    const bool split = folder == "forms" || folder == "ui";
    if (split && std::distance(underSrc.begin(), underSrc.end()) > 2)
        folder += "/" + std::next(part)->generic_string();
    return folder;
}

}  // namespace

// The layers point down only: each folder includes the folders below it, never one above, and no
// window folder includes another (windows reach each other through the tool's intents).
TEST(SourceRules, FoldersIncludeOnlyTheLayersBelowThem) {
    const std::vector<std::string> logic{"lists", "registry", "rules", "platform"};
    auto with = [](std::vector<std::string> a, std::initializer_list<const char*> more) {
        a.insert(a.end(), more.begin(), more.end());
        return a;
    };
    const std::vector<std::string> window = with(logic, {"forms/tool", "ui", "resources"});
    const std::map<std::string, std::vector<std::string>> mayInclude{
        {"platform", {}},
        {"lists", {"platform"}},
        {"registry", {"platform"}},
        {"rules", {"registry", "platform"}},
        {"setup", {"platform"}},
        {"ui", {"platform"}},
        {"ui/qt", {"ui", "platform"}},
        {"ui/win32", {"ui", "platform"}},
        {"resources", {"ui"}},
        {"forms/tool", with(logic, {"ui"})},
        {"forms/workbench", window},
        {"forms/registry", window},
        {"forms/rules", window},
        {"forms/guidance", window},
        {"forms/setup", {"setup", "ui", "platform"}},
    };
    const fs::path src = fs::path(PLEVO_SOURCE_DIR) / "src";
    const std::regex include(R"re(#\s*include\s*"([^"]+)")re");
    std::vector<std::string> wrong;
    int files = 0;
    for (const auto& e : fs::recursive_directory_iterator(src)) {
        const auto ext = e.path().extension();
        if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        const std::string from = folderOf(fs::relative(e.path(), src));
        const auto allowed = mayInclude.find(from);
        // The top floors (the programs' start-up, the tool's windows as a whole) may include
        // anything below them.
        if (allowed == mayInclude.end()) continue;
        ++files;
        const std::string text = read(e.path());
        for (std::sregex_iterator m(text.begin(), text.end(), include), end; m != end; ++m) {
            const fs::path target = (*m)[1].str();
            if (!fs::exists(src / target)) continue;  // a header of the same folder or a library
            const std::string to = folderOf(target);
            const auto& list = allowed->second;
            if (to != from && std::find(list.begin(), list.end(), to) == list.end())
                wrong.push_back(fs::relative(e.path(), src).generic_string() + " -> " +
                                target.generic_string());
        }
    }
    EXPECT_GT(files, 100) << "the tree was really read";
    EXPECT_TRUE(wrong.empty()) << testing::PrintToString(wrong);
}

// An include or an open file says which layer it is from: no backend file takes the name of a
// file of the control layer. A kind of control lives in a file of the same name in both backends,
// so a Qt file without the Qt prefix has its twin in the Win32 backend.
TEST(SourceRules, BackendFilesAreNamedApartFromTheLayerAndAlikeByKind) {
    const fs::path ui = fs::path(PLEVO_SOURCE_DIR) / "src/ui";
    std::vector<std::string> wrong;
    int files = 0;
    for (const char* backend : {"qt", "win32"}) {
        for (const auto& e : fs::directory_iterator(ui / backend)) {
            const fs::path name = e.path().filename();
            if (name.extension() != ".cpp" && name.extension() != ".h") continue;
            ++files;
            if (fs::exists(ui / name)) wrong.push_back((fs::path(backend) / name).generic_string());
            if (backend == std::string("qt") && !name.string().starts_with("Qt") &&
                !fs::exists(ui / "win32" / name))
                wrong.push_back((fs::path("qt") / name).generic_string() + " without a Win32 twin");
        }
    }
    EXPECT_GT(files, 40) << "the tree was really read";
    EXPECT_TRUE(wrong.empty()) << testing::PrintToString(wrong);
}
