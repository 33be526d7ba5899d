#include "StandardStreams.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/Files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace plevo {

std::string readStandardInput() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::string bytes;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) bytes.append(buffer, got);
    if (std::ferror(stdin)) throw FileError("Cannot read standard input");
    return bytes;
}

void writeStandardOutput(std::string_view bytes) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0)
        throw FileError("Cannot write standard output");
}

namespace {

[[noreturn]] void fail(const char* what, const std::string& path, int err) {
    throw FileError(std::string(what) + " \"" + path +
                    "\": " + std::generic_category().message(err));
}

}  // namespace

InputReader::InputReader(const std::optional<std::string>& path) : path_(path) {
    if (!path) {
#ifdef _WIN32
        _setmode(_fileno(stdin), _O_BINARY);
#endif
        return;
    }
    const std::filesystem::path file = pathFromText(*path);
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        throw FileError("Cannot read file \"" + *path + "\": it is a folder");
#ifdef _WIN32
    file_ = _wfopen(file.c_str(), L"rb");
#else
    file_ = std::fopen(file.c_str(), "rb");
#endif
    if (!file_) fail("Cannot open file", *path, errno);
}

InputReader::~InputReader() {
    if (file_) std::fclose(file_);
}

std::size_t InputReader::read(char* buffer, std::size_t size) {
    std::FILE* from = file_ ? file_ : stdin;
    const std::size_t got = std::fread(buffer, 1, size, from);
    if (got == 0 && std::ferror(from)) {
        if (!file_) throw FileError("Cannot read standard input");
        fail("Cannot read file", *path_, errno);
    }
    return got;
}

}  // namespace plevo
