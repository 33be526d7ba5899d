#pragma once
// Whole-file reads and writes. Every write goes through writeFileAtomic: the bytes go to a
// temporary file in the same folder, are flushed, and replace the target by a rename, so a write
// that fails leaves the earlier file whole. Failures raise FileError with the path and the reason.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace plevo {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// 8-bit path text as the user sees it (the ANSI code page on Windows), and back.
std::string pathText(const std::filesystem::path& path);
std::filesystem::path pathFromText(std::string_view text);

bool fileExists(const std::filesystem::path& path);
std::string readFile(const std::filesystem::path& path);
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);
// Removes a file; false when there was none or it could not be removed.
bool removeFile(const std::filesystem::path& path);

// The separator between a folder and a name in the texts the tool shows and joins.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace plevo
