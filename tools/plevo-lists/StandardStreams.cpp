#include "StandardStreams.h"

#include <cstdio>

#include "platform/Files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace plevo {

ChunkReader standardInputChunks() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return ChunkReader(stdin, "standard input");
}

std::string readStandardInput() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return readStream(stdin, "standard input");
}

void writeStandardOutput(std::string_view bytes) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0)
        throw FileError("Cannot write standard output");
}

}  // namespace plevo
