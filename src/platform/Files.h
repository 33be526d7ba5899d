#pragma once
// File reads and writes. Every write goes through AtomicFileWriter: the bytes go to a temporary
// file in the same folder, are flushed, and replace the target by a rename, so a write that fails
// leaves the earlier file whole. Failures raise FileError with the path and the reason.

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
std::string readFile(const std::filesystem::path& path);
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Reads a file, or an open stream, one block at a time, so that a long list never has to fit in
// memory whole.
class ChunkReader {
public:
    // Opens the file; throws FileError when it cannot.
    explicit ChunkReader(const std::filesystem::path& path);
    // Reads a stream that stays open afterwards; failures say "Cannot read <name>".
    ChunkReader(std::FILE* stream, std::string name);
    ~ChunkReader();
    ChunkReader(const ChunkReader&) = delete;
    ChunkReader& operator=(const ChunkReader&) = delete;

    // The next block, valid until the next call; empty at the end. Throws FileError.
    std::string_view next();

private:
    std::FILE* stream_ = nullptr;
    bool owned_ = false;
    std::string failure_;  // the message's start: what could not be read
    std::string buffer_;
};

// A file written piece by piece that replaces its target only on commit(). Without commit() (an
// exception on the way) the temporary file goes and the target stays as it was.
class AtomicFileWriter {
public:
    // Checks the folder and creates the temporary file; throws FileError.
    explicit AtomicFileWriter(const std::filesystem::path& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    // Flushes the bytes to the disk and renames the temporary file over the target.
    void commit();

private:
    [[noreturn]] void failWith(const std::string& why);
    void discard();

    std::filesystem::path path_;
    std::filesystem::path temp_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};
// Removes a file; false when there was none or it could not be removed.
bool removeFile(const std::filesystem::path& path);

// The separator between a folder and a name in the texts the tool shows and joins.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace plevo
