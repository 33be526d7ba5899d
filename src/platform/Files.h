#pragma once
// Whole-file reads and writes. Every write goes through writeFileAtomic; failures raise FileError
// with the path and the reason.

#include <cstdint>
#include <cstdio>
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

// Reads refuse more bytes than this, naming the file: before reading when the file's size says
// so, and while reading for files that report no size but produce data (/proc, devices).
inline constexpr std::uint64_t kReadLimit = std::uint64_t{1} << 30;

std::string readFile(const std::filesystem::path& path, std::uint64_t limit = kReadLimit);
// Reads an open stream to its end. `what` names it in errors ("standard input").
std::string readStream(std::FILE* stream, std::string_view what, std::uint64_t limit = kReadLimit);
// A size as the messages give it: "1 GiB", "256 MiB", "1000 bytes".
std::string sizeText(std::uint64_t bytes);

// Writes bytes as the whole contents of the file path names.
// - A regular file, or a new one, is replaced atomically: the bytes go to a temporary file in the
//   same folder, which never has a wider mode than the file it replaces (a new file: readable by
//   the owner alone until complete, then 0644 less the umask), are flushed, and the temporary
//   file is renamed over the target; a write that fails leaves the earlier file whole. The
//   replaced file's mode is kept, and its owner and group where the system lets us. Other hard
//   links to the replaced file keep the earlier contents.
// - A symbolic link is followed: its target is replaced, or created when the link dangles.
// - A device or FIFO is written directly, without a temporary file.
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Removes a file; false when there was none or it could not be removed.
bool removeFile(const std::filesystem::path& path);

// For tests: called with the temporary file's path once the bytes are written to it, before it
// replaces the target. Null for none.
using TempFileHook = void (*)(const std::filesystem::path& temp);
void setTempFileHook(TempFileHook hook);

// The separator between a folder and a name in the texts the tool shows and joins.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace plevo
