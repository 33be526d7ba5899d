#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <random>
#include <system_error>
#include <utility>

#include "platform/PendingTempFile.h"

#include <sys/stat.h>
#include <sys/types.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
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

TempFileHook tempFileHook = nullptr;

std::string reason(int err) {
    return std::generic_category().message(err);
}

[[noreturn]] void fail(const char* what, const fs::path& path, const std::string& why) {
    throw FileError(std::string(what) + " \"" + pathText(path) + "\": " + why);
}

[[noreturn]] void refuseRead(std::string_view what, const std::string& why) {
    throw FileError("Cannot read " + std::string(what) + ": " + why);
}

// The size the system reports for a regular file; 0 for anything else (pipes, devices, /proc),
// whose data only reading finds out.
std::uint64_t reportedSize(std::FILE* f) {
#ifdef _WIN32
    struct _stat64 st {};
    if (_fstat64(_fileno(f), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) return 0;
#else
    struct stat st {};
    if (::fstat(::fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
#endif
    return static_cast<std::uint64_t>(st.st_size);
}

fs::path folderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

}  // namespace

std::string sizeText(std::uint64_t bytes) {
    constexpr std::uint64_t MiB = std::uint64_t{1} << 20;
    constexpr std::uint64_t GiB = std::uint64_t{1} << 30;
    if (bytes >= GiB && bytes % GiB == 0) return std::to_string(bytes / GiB) + " GiB";
    if (bytes >= MiB && bytes % MiB == 0) return std::to_string(bytes / MiB) + " MiB";
    return std::to_string(bytes) + " bytes";
}

std::string readStream(std::FILE* f, std::string_view what, std::uint64_t limit) {
    const auto tooLarge = [&] { refuseRead(what, "it is larger than " + sizeText(limit)); };
    try {
        std::string bytes;
        const std::uint64_t size = reportedSize(f);
        if (size > limit) tooLarge();
        if (size > 0) bytes.reserve(static_cast<std::size_t>(size));
        // Read to the end rather than trusting the size: some files do not know theirs.
        ChunkReader reader(f, std::string(what));
        for (std::string_view chunk = reader.next(); !chunk.empty(); chunk = reader.next()) {
            if (chunk.size() > limit - bytes.size()) tooLarge();
            bytes += chunk;
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        // What was read is given back by now.
        refuseRead(what, "there is not enough memory to read it");
    }
}

std::string readFile(const fs::path& path, std::uint64_t limit) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) fail("Cannot read file", path, "it is a folder");
#ifdef _WIN32
    std::FILE* f = _wfopen(path.c_str(), L"rb");
#else
    std::FILE* f = std::fopen(path.c_str(), "rb");
#endif
    if (!f) fail("Cannot open file", path, reason(errno));
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> closer(f, &std::fclose);
    return readStream(f, "file \"" + pathText(path) + "\"", limit);
}

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

ChunkReader::ChunkReader(ChunkReader&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)),
      owned_(other.owned_),
      failure_(std::move(other.failure_)),
      buffer_(std::move(other.buffer_)) {}

ChunkReader::~ChunkReader() {
    if (owned_ && stream_) std::fclose(stream_);
}

std::string_view ChunkReader::next() {
    buffer_.resize(1 << 16);
    const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), stream_);
    if (got == 0 && std::ferror(stream_)) throw error(reason(errno));
    return std::string_view(buffer_.data(), got);
}

FileError ChunkReader::error(std::string_view why) const {
    return FileError(failure_ + ": " + std::string(why));
}

void setTempFileHook(TempFileHook hook) {
    tempFileHook = hook;
}

namespace {

// The file a chain of symbolic links ends at; path itself when it is no link. The last one need
// not exist.
fs::path followLinks(const fs::path& path) {
    fs::path at = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(at, ec))) return at;
        const fs::path next = fs::read_symlink(at, ec);
        if (ec) fail("Cannot write file", path, ec.message());
        at = next.is_absolute() ? next : folderOf(at) / next;
    }
    fail("Cannot write file", path, reason(ELOOP));
}

std::size_t nameLimit([[maybe_unused]] const fs::path& folder) {
#ifdef _WIN32
    return 255;  // UTF-16 units
#else
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
#endif
}

// The longest start of name that takes at most room units, never half a character.
fs::path::string_type nameStart(const fs::path::string_type& name, std::size_t room) {
    if constexpr (sizeof(fs::path::value_type) == 1) {
        if (name.size() <= room) return name;
        std::size_t keep = room;
        while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
        return name.substr(0, keep);
    } else {
        // Windows counts UTF-16 units, but on a share or under Wine the name may end up as UTF-8
        // bytes on a system that counts those: it must fit both ways.
        std::size_t units = 0;
        std::size_t bytes = 0;
        while (units < name.size()) {
            const auto unit = static_cast<std::uint32_t>(name[units]);
            const bool pair = unit >= 0xD800 && unit <= 0xDBFF && units + 1 < name.size();
            const std::size_t cost = unit < 0x80 ? 1 : unit < 0x800 ? 2 : pair ? 4 : 3;
            const std::size_t step = pair ? 2 : 1;
            if (units + step > room || bytes + cost > room) break;
            units += step;
            bytes += cost;
        }
        return name.substr(0, units);
    }
}

// NAME.plevo-XXXXXXXX.tmp beside the target, NAME cut short where the whole name would be longer
// than the folder takes.
fs::path tempPathFor(const fs::path& target) {
    const fs::path folder = folderOf(target);
    char random[16];
    std::snprintf(random, sizeof random, "%08x", static_cast<unsigned>(std::random_device{}()));
    const fs::path::string_type tail = fs::path(std::string(".plevo-") + random + ".tmp").native();
    const std::size_t limit = nameLimit(folder);
    const std::size_t room = limit > tail.size() ? limit - tail.size() : 0;
    return folder / fs::path(nameStart(target.filename().native(), room) + tail);
}

void checkLinkedFolder(const fs::path& path, const fs::path& target) {
    std::error_code ec;
    if (target != path && !fs::is_directory(folderOf(target), ec))
        fail("Cannot write file", path,
             "it links to \"" + pathText(target) + "\", whose folder does not exist");
}

#ifndef _WIN32

mode_t currentUmask() {
    // /proc tells it without changing it, which matters while other threads create files.
    if (std::FILE* f = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, f))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(f);
        if (found) return static_cast<mode_t>(mask);
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

int writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w < 0 && errno != EINTR) return errno;
        if (w > 0) done += static_cast<std::size_t>(w);
    }
    return 0;
}

#endif

}  // namespace

AtomicFileWriter::AtomicFileWriter(const fs::path& path) : path_(path) {
    std::error_code ec;
    if (!fs::is_directory(folderOf(path), ec))
        fail("Cannot write file", path, "the folder does not exist");
#ifdef _WIN32
    if (fs::is_directory(path, ec)) fail("Cannot write file", path, "it is a folder");
    target_ = followLinks(path);
    checkLinkedFolder(path, target_);
    temp_ = tempPathFor(target_);
    HANDLE h = CreateFileW(temp_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) fail("Cannot write file", path, "the folder refused a new file");
    handle_ = h;
#else
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) fail("Cannot write file", path, "it is a folder");
        if (!S_ISREG(old.st_mode)) {
            // Devices and FIFOs take the bytes as they come; there is no file to replace.
            target_ = path;
            fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
            if (fd_ < 0) fail("Cannot write file", path, reason(errno));
            return;
        }
        target_ = followLinks(path);
    } else {
        if (errno != ENOENT) fail("Cannot write file", path, reason(errno));
        // No file yet, or a link to none: the file the link names is created.
        target_ = followLinks(path);
        checkLinkedFolder(path, target_);
        newFile_ = true;
    }
    int err = 0;
    for (int attempt = 0; fd_ < 0 && attempt < 8; ++attempt) {
        temp_ = tempPathFor(target_);
        const SignalsHeld held;
        // Readable by the owner alone until it has the target's mode.
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        err = fd_ < 0 ? errno : 0;
        if (fd_ >= 0) pending_.set(temp_.c_str());
        if (err != EEXIST) break;
    }
    if (fd_ < 0) fail("Cannot write file", path, reason(err));
    if (!newFile_) {
        // Owner and group first: changing them may clear the set-id bits of the mode. A user
        // may not give a file away; then it stays ours, with the old mode.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
            ::fchown(fd_, old.st_uid, old.st_gid) != 0 &&
            ::fchown(fd_, static_cast<uid_t>(-1), old.st_gid) != 0) {
        }
        ::fchmod(fd_, old.st_mode & 07777);
    }
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
    if (!temp_.empty()) {
        const SignalsHeld held;
        ::unlink(temp_.c_str());
        pending_.clear();
    }
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
    if (const int err = writeAll(fd_, bytes); err != 0) failWith(reason(err));
#endif
}

void AtomicFileWriter::commit() {
#ifdef _WIN32
    HANDLE h = static_cast<HANDLE>(handle_);
    if (tempFileHook) tempFileHook(temp_);
    const bool flushed = FlushFileBuffers(h);
    CloseHandle(h);
    handle_ = nullptr;
    if (!flushed || !MoveFileExW(temp_.c_str(), target_.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temp_.c_str());
        fail("Cannot write file", path_,
             flushed ? "it could not be replaced" : "the disk refused the data");
    }
#else
    if (temp_.empty()) {  // a device or FIFO
        const int err = ::close(fd_) != 0 ? errno : 0;
        fd_ = -1;
        if (err != 0) fail("Cannot write file", path_, reason(err));
        return;
    }
    if (tempFileHook) tempFileHook(temp_);
    int err = 0;
    // A new file gets the mode any new file would get, now that it is complete.
    if (newFile_ && ::fchmod(fd_, 0644 & ~currentUmask()) != 0) err = errno;
    if (err == 0 && ::fsync(fd_) != 0) err = errno;
    if (::close(fd_) != 0 && err == 0) err = errno;
    fd_ = -1;
    const SignalsHeld held;
    if (err == 0 && ::rename(temp_.c_str(), target_.c_str()) != 0) err = errno;
    if (err != 0) ::unlink(temp_.c_str());
    pending_.clear();
    if (err != 0) fail("Cannot write file", path_, reason(err));
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
