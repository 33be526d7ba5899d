#pragma once
// A file written piece by piece that replaces its target only once it is whole: the promise of
// writeFileAtomic (Files.h) for output too long to hold in memory. The bytes go to a temporary
// file in the target's folder; commit() flushes them to the disk and renames the file over the
// target. Without commit() (a failure on the way) the temporary file is removed and the target
// stays as it was. Failures raise FileError with the path and the reason.

#include <filesystem>
#include <string_view>

namespace plevo {

class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::filesystem::path& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    void commit();

private:
    [[noreturn]] void fail(const std::string& why);
    void discard();

    std::filesystem::path path_;
    std::filesystem::path temp_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

}  // namespace plevo
