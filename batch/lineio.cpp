#include "lineio.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>

namespace vintorp::batch {

LineReader::LineReader(int fd, std::size_t chunk_bytes) : fd_(fd), buffer_(chunk_bytes) { }

bool LineReader::fill()
{
    while (!at_end_ && error_ == 0) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            begin_ = 0;
            end_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            at_end_ = true;
        } else if (errno != EINTR) {
            error_ = errno;
        }
    }
    return false;
}

LineReader::Status LineReader::next(std::string& line)
{
    line.clear();
    bool started = false;  // a line has begun, if only with its '\n'
    bool dropped = false;  // the line did not fit in memory; its rest is skipped
    for (;;) {
        if (begin_ == end_ && !fill()) {
            if (error_ != 0) {
                return Status::Failed;  // a line cut short by the error is not answered
            }
            if (dropped) {
                return Status::OutOfMemory;
            }
            return started ? Status::Line : Status::End;
        }
        started = true;
        const char* const start = buffer_.data() + begin_;
        const auto* const newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : end_ - begin_;
        if (!dropped) {
            try {
                line.append(start, length);
            } catch (const std::bad_alloc&) {
                dropped = true;
            } catch (const std::length_error&) {
                dropped = true;
            }
            if (dropped) {
                std::string().swap(line);  // the memory back for the answer
            }
        }
        begin_ += length;
        if (newline) {
            ++begin_;
            return dropped ? Status::OutOfMemory : Status::Line;
        }
    }
}

int writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

}  // namespace vintorp::batch
