#pragma once
// File reads and writes. Every write goes through AtomicFileWriter (writeFileAtomic for a whole
// file at once); failures raise FileError with the path and the reason.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/PendingTempFile.h"

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

// Reads a file, or an open stream, one block at a time, so that a long list never has to fit in
// memory whole (and so needs no read limit).
class ChunkReader {
public:
    // Opens the file; throws FileError when it cannot.
    explicit ChunkReader(const std::filesystem::path& path);
    // Reads a stream that stays open afterwards; failures say "Cannot read <name>".
    ChunkReader(std::FILE* stream, std::string name);
    ~ChunkReader();
    ChunkReader(ChunkReader&& other) noexcept;
    ChunkReader(const ChunkReader&) = delete;
    ChunkReader& operator=(const ChunkReader&) = delete;
    ChunkReader& operator=(ChunkReader&&) = delete;

    // The next block, valid until the next call; empty at the end. Throws FileError.
    std::string_view next();
    // An error about what is read: "Cannot read <name>: <why>".
    FileError error(std::string_view why) const;

private:
    std::FILE* stream_ = nullptr;
    bool owned_ = false;
    std::string failure_;  // the message's start: what could not be read
    std::string buffer_;
};

// A file written piece by piece; commit() makes it the file that path names.
// - A regular file, or a new one, is replaced atomically: the bytes go to a temporary file in the
//   same folder, which never has a wider mode than the file it replaces (a new file: readable by
//   the owner alone until complete, then 0644 less the umask), are flushed, and the temporary
//   file is renamed over the target; a write that fails, or is never committed, leaves the
//   earlier file whole. The replaced file's mode is kept, and its owner and group where the
//   system lets us. Other hard links to the replaced file keep the earlier contents.
// - A symbolic link is followed: its target is replaced, or created when the link dangles.
// - A device or FIFO is written directly, without a temporary file.
class AtomicFileWriter {
public:
    // Checks the folder and creates the temporary file (or opens the device); throws FileError.
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

    std::filesystem::path path_;    // as the caller named it
    std::filesystem::path target_;  // the file that gets the bytes, links followed
    std::filesystem::path temp_;    // empty while writing a device or FIFO directly
    bool newFile_ = false;          // no file to take the mode from
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
    PendingTempFile pending_;
#endif
};

// Writes bytes as the whole contents of the file path names, as AtomicFileWriter does.
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
