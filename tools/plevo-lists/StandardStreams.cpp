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
    ChunkReader reader = standardInputChunks();
    std::string bytes;
    for (std::string_view chunk = reader.next(); !chunk.empty(); chunk = reader.next())
        bytes += chunk;
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

}  // namespace plevo
