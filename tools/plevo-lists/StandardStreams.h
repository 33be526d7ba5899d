#pragma once
// Standard input and output as raw bytes: a list file passes through unchanged on every system
// (no CR LF translation on Windows).

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace plevo {

// Both throw FileError on failure.
std::string readStandardInput();
void writeStandardOutput(std::string_view bytes);

// The input file, or standard input, read piece by piece. Throws FileError with the messages
// of readFile (Files.h).
class InputReader {
public:
    explicit InputReader(const std::optional<std::string>& path);
    ~InputReader();
    InputReader(const InputReader&) = delete;
    InputReader& operator=(const InputReader&) = delete;

    // Up to size bytes into buffer; 0 at the end.
    std::size_t read(char* buffer, std::size_t size);

private:
    std::optional<std::string> path_;
    std::FILE* file_ = nullptr;
};

}  // namespace plevo
