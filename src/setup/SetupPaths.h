#pragma once
// The paths Setup works with are texts as the user sees them: "C:\Program Files\Plevo\", or a
// folder a file dialog returned. Off Windows drive C is the drive C folder, another drive X the
// folder drive_x beside it, and a path the dialog gave is the system's own (a "\" added to it
// separates names as "/" does).

#include <filesystem>
#include <string_view>

#include "platform/DriveC.h"

namespace plevo {

class SetupPaths {
public:
    explicit SetupPaths(const DriveC& driveC) : driveC_(driveC) {}
    // Throws FileError for a path that cannot be resolved.
    std::filesystem::path resolve(std::string_view text) const;
    bool exists(std::string_view text) const;

private:
    const DriveC& driveC_;
};

}  // namespace plevo
