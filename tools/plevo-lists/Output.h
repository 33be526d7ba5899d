#pragma once
// Where plevo-lists writes its result: standard output, or a file that is replaced whole once
// the result is complete. The bytes go out in pieces, so a long result is never held at once.

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Files.h"

namespace plevo {

class Output {
public:
    // No path: standard output. Throws FileError when the file cannot be made.
    explicit Output(const std::optional<std::string>& path);

    void write(std::string_view bytes) {
        if (bytes.size() <= buffer_.size() - used_) {
            if (!bytes.empty()) std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
            used_ += bytes.size();
        } else {
            writeLong(bytes);
        }
    }
    // Writes what is left and, for a file, puts it in place of the old one.
    void finish();

private:
    void writeLong(std::string_view bytes);
    void flush();

    std::unique_ptr<AtomicFileWriter> file_;
    std::string buffer_;
    std::size_t used_ = 0;
};

}  // namespace plevo
