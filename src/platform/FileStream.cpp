#include "platform/FileStream.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#include "platform/Files.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace plevo {
namespace fs = std::filesystem;

#ifndef _WIN32
namespace {

std::string reason(int err) {
    return std::generic_category().message(err);
}

}  // namespace
#endif

AtomicFileWriter::AtomicFileWriter(const fs::path& path) : path_(path) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) fail("the folder does not exist");
    if (fs::is_directory(path, ec)) fail("it is a folder");

    std::random_device rd;
    fs::path tempName = path.filename();
    tempName += ".plevo-" + std::to_string(rd()) + ".tmp";
    temp_ = folder / tempName;
#ifdef _WIN32
    HANDLE h = CreateFileW(temp_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) fail("the folder refused a new file");
    handle_ = h;
#else
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0) fail(reason(errno));
#endif
}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

void AtomicFileWriter::fail(const std::string& why) {
    discard();
    throw FileError("Cannot write file \"" + pathText(path_) + "\": " + why);
}

// Closes and removes the temporary file, if it is still there.
void AtomicFileWriter::discard() {
#ifdef _WIN32
    if (handle_ == nullptr) return;
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

void AtomicFileWriter::write(std::string_view bytes) {
#ifdef _WIN32
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(handle_), bytes.data() + done, chunk, &written,
                       nullptr) ||
            written != chunk)
            fail("the disk refused the data");
        done += written;
    }
#else
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (w < 0) {
            if (errno != EINTR) fail(reason(errno));
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
        fail(flushed ? "it could not be replaced" : "the disk refused the data");
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
        fail(reason(err));
    }
#endif
}

}  // namespace plevo
