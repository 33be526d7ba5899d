#include "Output.h"

#include "StandardStreams.h"
#include "platform/Files.h"

namespace plevo {

Output::Output(const std::optional<std::string>& path) : buffer_(1 << 20, '\0') {
    if (path) file_ = std::make_unique<AtomicFileWriter>(pathFromText(*path));
}

void Output::flush() {
    const std::string_view bytes(buffer_.data(), used_);
    if (file_)
        file_->write(bytes);
    else
        writeStandardOutput(bytes);
    used_ = 0;
}

void Output::writeLong(std::string_view bytes) {
    flush();
    if (bytes.size() < buffer_.size()) {
        write(bytes);
        return;
    }
    if (file_)
        file_->write(bytes);
    else
        writeStandardOutput(bytes);
}

void Output::finish() {
    flush();
    if (file_) file_->commit();
}

}  // namespace plevo
