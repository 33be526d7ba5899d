// Every dialog goes through the Dialogs seam, so that tests can script it: no Qt dialog class is
// used outside src/platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

TEST(SourceRules, QtDialogsAreUsedOnlyInThePlatformFolder) {
    const fs::path root = PLEVO_SOURCE_DIR;
    const std::regex dialogClass(R"(\b(QMessageBox|QInputDialog|QFileDialog)\b)");
    int files = 0;
    std::vector<std::string> offenders;
    for (const char* top : {"src", "tools"}) {
        if (!fs::exists(root / top)) continue;
        for (const auto& e : fs::recursive_directory_iterator(root / top)) {
            if (!e.is_regular_file()) continue;
            const auto ext = e.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            ++files;
            const fs::path rel = fs::relative(e.path(), root);
            if (*rel.begin() == "src" && std::next(rel.begin()) != rel.end() &&
                *std::next(rel.begin()) == "platform")
                continue;
            std::ifstream in(e.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string s = text.str();
            if (std::regex_search(s, dialogClass)) offenders.push_back(rel.string());
        }
    }
    EXPECT_GT(files, 10);  // the tree was really read
    EXPECT_TRUE(offenders.empty()) << testing::PrintToString(offenders);
}
