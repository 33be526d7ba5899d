#pragma once
// Runs programs through the shell in a test's own folder: plevo-lists itself and the mail tools
// that read what it writes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

namespace plevo_test {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void spill(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string quoted(const fs::path& path) {
    std::string out = path.string();
    out.insert(out.begin(), '\'');  // not "'" + ...: GCC 12 warns wrongly about that at -O3
    out += '\'';
    return out;
}

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("plevo-lists-test-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A file in the test's folder holding bytes, given as shell-quoted path.
    std::string file(const std::string& name, std::string_view bytes) {
        spill(dir_ / name, bytes);
        return quoted(dir_ / name);
    }
    fs::path path(const std::string& name) const { return dir_ / name; }

    // A shell command line, its standard input fed from stdinBytes, or from the file stdinFile
    // when one is given.
    Result shell(const std::string& commandLine, std::string_view stdinBytes = {},
                 const fs::path& stdinFile = {}) {
        spill(dir_ / "stdin", stdinBytes);
        const std::string command = commandLine + " <" +
                                    quoted(stdinFile.empty() ? dir_ / "stdin" : stdinFile) + " >" +
                                    quoted(dir_ / "stdout") + " 2>" + quoted(dir_ / "stderr");
        const int raw = std::system(command.c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(dir_ / "stdout");
        r.err = slurp(dir_ / "stderr");
        return r;
    }

    // args are shell words, already quoted where needed.
    Result run(const std::string& args, std::string_view stdinBytes = {},
               const fs::path& stdinFile = {}) {
        return shell(std::string("'") + PLEVO_LISTS_PROGRAM + "' " + args, stdinBytes, stdinFile);
    }

private:
    fs::path dir_;
};

}  // namespace plevo_test
