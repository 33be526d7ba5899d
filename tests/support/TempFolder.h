#pragma once
// A folder name of its own under the system's temporary folder, for a test's files.

#include <filesystem>
#include <random>
#include <string>

namespace plevo::test {

inline std::filesystem::path freshTempFolder(const std::string& prefix) {
    std::random_device rd;
    return std::filesystem::temp_directory_path() / (prefix + std::to_string(rd()));
}

}  // namespace plevo::test
