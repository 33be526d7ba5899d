#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace plevo {
namespace fs = std::filesystem;

std::string pathText(const fs::path& path) {
#ifdef _WIN32
    // Paths reach the user and the registry as ANSI text.
    const std::wstring& w = path.native();
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
#else
    return path.native();
#endif
}

fs::path pathFromText(std::string_view text) {
#ifdef _WIN32
    if (text.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), w.data(), n);
    return fs::path(w);
#else
    return fs::path(std::string(text));
#endif
}

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

namespace {

std::string reason(int err) {
    return std::generic_category().message(err);
}

[[noreturn]] void fail(const char* what, const fs::path& path, const std::string& why) {
    throw FileError(std::string(what) + " \"" + pathText(path) + "\": " + why);
}

}  // namespace

ChunkReader::ChunkReader(const fs::path& path)
    : owned_(true), failure_("Cannot read file \"" + pathText(path) + "\"") {
    std::error_code ec;
    if (fs::is_directory(path, ec)) fail("Cannot read file", path, "it is a folder");
#ifdef _WIN32
    stream_ = _wfopen(path.c_str(), L"rb");
#else
    stream_ = std::fopen(path.c_str(), "rb");
#endif
    if (!stream_) fail("Cannot open file", path, reason(errno));
}

ChunkReader::ChunkReader(std::FILE* stream, std::string name)
    : stream_(stream), failure_("Cannot read " + std::move(name)) {}

ChunkReader::~ChunkReader() {
    if (owned_ && stream_) std::fclose(stream_);
}

std::string_view ChunkReader::next() {
    buffer_.resize(1 << 16);
    const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
    if (got == 0 && std::ferror(stream_)) {
        const int err = errno;
        // Standard input has no path; its message names the stream alone.
        throw FileError(owned_ ? failure_ + ": " + reason(err) : failure_);
    }
    return std::string_view(buffer_.data(), got);
}

std::string readFile(const fs::path& path) {
    ChunkReader reader(path);
    // Read to the end rather than trusting the size: some files do not know theirs.
    std::string bytes;
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (!ec && size > 0) bytes.reserve(static_cast<std::size_t>(size));
    for (std::string_view chunk = reader.next(); !chunk.empty(); chunk = reader.next())
        bytes += chunk;
    return bytes;
}

AtomicFileWriter::AtomicFileWriter(const fs::path& path) : path_(path) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) fail("Cannot write file", path, "the folder does not exist");
    if (fs::is_directory(path, ec)) fail("Cannot write file", path, "it is a folder");

    std::random_device rd;
    fs::path tempName = path.filename();
    tempName += ".plevo-" + std::to_string(rd()) + ".tmp";
    temp_ = folder / tempName;
#ifdef _WIN32
    HANDLE h = CreateFileW(temp_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) fail("Cannot write file", path, "the folder refused a new file");
    handle_ = h;
#else
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0) fail("Cannot write file", path, reason(errno));
#endif
}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

void AtomicFileWriter::discard() {
#ifdef _WIN32
    if (!handle_) return;
    CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
    DeleteFileW(temp_.c_str());
#else
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    ::unlink(temp_.c_str());
#endif
}

void AtomicFileWriter::failWith(const std::string& why) {
    discard();
    fail("Cannot write file", path_, why);
}

void AtomicFileWriter::write(std::string_view bytes) {
#ifdef _WIN32
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(handle_), bytes.data() + done, chunk, &written,
                       nullptr) ||
            written != chunk)
            failWith("the disk refused the data");
        done += written;
    }
#else
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (w < 0) {
            if (errno != EINTR) failWith(reason(errno));
        } else {
            done += static_cast<std::size_t>(w);
        }
    }
#endif
}

void AtomicFileWriter::commit() {
#ifdef _WIN32
    HANDLE h = static_cast<HANDLE>(handle_);
    const bool flushed = FlushFileBuffers(h);
    CloseHandle(h);
    handle_ = nullptr;
    if (!flushed || !MoveFileExW(temp_.c_str(), path_.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temp_.c_str());
        fail("Cannot write file", path_,
             flushed ? "it could not be replaced" : "the disk refused the data");
    }
#else
    int err = 0;
    if (::fsync(fd_) != 0) err = errno;
    if (::close(fd_) != 0 && err == 0) err = errno;
    fd_ = -1;
    if (err == 0) {
        // Keep the permissions of the file being replaced.
        struct stat st {};
        if (::stat(path_.c_str(), &st) == 0) ::chmod(temp_.c_str(), st.st_mode & 07777);
        if (::rename(temp_.c_str(), path_.c_str()) != 0) err = errno;
    }
    if (err != 0) {
        ::unlink(temp_.c_str());
        fail("Cannot write file", path_, reason(err));
    }
#endif
}

void writeFileAtomic(const fs::path& path, std::string_view bytes) {
    AtomicFileWriter writer(path);
    writer.write(bytes);
    writer.commit();
}

bool removeFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    return fs::remove(path, ec);
}

}  // namespace plevo
