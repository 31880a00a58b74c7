// The batch tool's standard input and output, read and written with the
// system's own calls, so that a failure is seen with its reason.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vintorp::batch {

// Reads a file descriptor line by line, as std::getline would: without the
// '\n', a last line without one counted too, all other bytes (NUL, '\r')
// kept.
class LineReader {
public:
    enum class Status {
        Line,  // the next line is in the string given
        OutOfMemory,  // a line too large to hold: read past, and given up
        End,  // no more lines
        Failed,  // a read error, error() says which
    };

    explicit LineReader(int fd, std::size_t chunk_bytes = 64 * 1024);

    Status next(std::string& line);
    int error() const { return error_; }  // the errno of a failed read

private:
    // More bytes into the buffer; false at the end of the input or on an error.
    bool fill();

    int fd_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // the unread bytes of the buffer
    std::size_t end_ = 0;
    bool at_end_ = false;
    int error_ = 0;
};

// Writes all of text to a file descriptor; 0, or the errno of the failure.
int writeAll(int fd, std::string_view text);

}  // namespace vintorp::batch
