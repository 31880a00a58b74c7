// Writing a file the user named, whole or not at all.
//
// The bytes go to a temporary file beside the target, are flushed to the
// disk, and only then take the target's name. Every step is checked: a full
// disk, a write error or an interruption leaves the target exactly as it was,
// and no temporary file behind. A target that exists must be a regular file
// (after following symbolic links); a directory, a device or a pipe is never
// replaced. Plain C++ on POSIX; no Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vintorp::files {

enum class WriteFault {
    NulInPath,  // the path holds a NUL character, which no file name can
    NotARegularFile,  // the target is a directory, a device, a pipe or a socket
    System,  // the system refused a step; `error` says why
};

struct WriteFailure {
    WriteFault fault = WriteFault::System;
    int error = 0;  // the errno of a System fault

    // The system's words for `error` ("No space left on device").
    std::string systemReason() const;
};

// Writes `bytes` to `path`. Returns nothing when the file is written. An
// existing target keeps its permissions, and its owner where the process
// may keep it; a link to it stays a link.
std::optional<WriteFailure> writeWholeFile(std::string_view path, std::string_view bytes);

}  // namespace vintorp::files
