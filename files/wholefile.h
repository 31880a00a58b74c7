// Writing a file the user named, whole or not at all.
//
// The bytes go to a new file beside the target that has no name yet (Linux's
// O_TMPFILE), are flushed to the disk, and only then is the file named: under
// a temporary name, at once renamed to the target's, with SIGINT, SIGTERM and
// SIGHUP held back between the two. Where the file system makes no unnamed
// files, the new file has a temporary name from the start, and while it is
// written those three signals, where their action is the default, remove it
// before they end the process. Every step is checked: a full disk, a write
// error or an interruption leaves the target exactly as it was, and no
// temporary file behind; only SIGKILL can, and then in the short time between
// the two names (for the whole write where there are no unnamed files).
//
// A target that exists must be a regular file (after following symbolic
// links); a directory, a device or a pipe is never replaced. Nor is a file
// the process could not open for writing ("Permission denied"), though its
// folder would let it be replaced: root may write any. Plain C++ on POSIX;
// no Qt.
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
