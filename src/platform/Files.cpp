#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

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

std::string readFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) fail("Cannot read file", path, "it is a folder");
    std::FILE* f = nullptr;
#ifdef _WIN32
    f = _wfopen(path.c_str(), L"rb");
#else
    f = std::fopen(path.c_str(), "rb");
#endif
    if (!f) fail("Cannot open file", path, reason(errno));
    // Read to the end rather than trusting the size: some files do not know theirs.
    std::string bytes;
    const auto size = fs::file_size(path, ec);
    if (!ec && size > 0) bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed) fail("Cannot read file", path, reason(err));
    return bytes;
}

void writeFileAtomic(const fs::path& path, std::string_view bytes) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) fail("Cannot write file", path, "the folder does not exist");
    if (fs::is_directory(path, ec)) fail("Cannot write file", path, "it is a folder");

    std::random_device rd;
    fs::path tempName = path.filename();
    tempName += ".plevo-" + std::to_string(rd()) + ".tmp";
    const fs::path temp = folder / tempName;
#ifdef _WIN32
    HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) fail("Cannot write file", path, "the folder refused a new file");
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        ok = WriteFile(h, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = ok && FlushFileBuffers(h);
    CloseHandle(h);
    if (!ok || !MoveFileExW(temp.c_str(), path.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temp.c_str());
        fail("Cannot write file", path,
             ok ? "it could not be replaced" : "the disk refused the data");
    }
#else
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) fail("Cannot write file", path, reason(errno));
    int err = 0;
    std::size_t done = 0;
    while (err == 0 && done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w < 0) {
            if (errno != EINTR) err = errno;
        } else {
            done += static_cast<std::size_t>(w);
        }
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0) {
        // Keep the permissions of the file being replaced.
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) ::chmod(temp.c_str(), st.st_mode & 07777);
        if (::rename(temp.c_str(), path.c_str()) != 0) err = errno;
    }
    if (err != 0) {
        ::unlink(temp.c_str());
        fail("Cannot write file", path, reason(err));
    }
#endif
}

bool removeFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    return fs::remove(path, ec);
}

}  // namespace plevo
