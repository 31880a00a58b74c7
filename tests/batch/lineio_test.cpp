// LineReader: lines as std::getline gives them, whatever size the reads come
// in; a read error is told apart from the end of the input.
#include "batch/lineio.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace vintorp::batch {
namespace {

using namespace std::string_literals;

// An open file descriptor, closed at the end.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) { }
    ~Fd()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::vector<std::string> ReadAll(LineReader& reader)
{
    std::vector<std::string> lines;
    std::string line;
    LineReader::Status status;
    while ((status = reader.Next(line)) == LineReader::Status::Line) {
        lines.push_back(line);
    }
    EXPECT_EQ(status, LineReader::Status::End);
    return lines;
}

TEST(LineReader, SplitsAsGetlineWhateverTheReadSize)
{
    const struct {
        std::string input;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"\n", {""}},
        {"ab\ncd\n", {"ab", "cd"}},
        {"ab\ncd", {"ab", "cd"}},  // the last line without its '\n'
        {"\n\nx\n\n", {"", "", "x", ""}},
        {"a\0b\r\n\r"s, {"a\0b\r"s, "\r"}},
        {"0123456789\n" + std::string(70'000, 'z') + "\nq", {"0123456789", std::string(70'000, 'z'), "q"}},
    };
    for (const auto& c : cases) {
        for (const std::size_t chunk : {1, 2, 3, 7, 64 * 1024}) {
            SCOPED_TRACE(testing::Message() << "input of " << c.input.size() << " bytes, reads of " << chunk);
            const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
            ASSERT_TRUE(file);
            const int fd = fileno(file.get());
            ASSERT_EQ(::write(fd, c.input.data(), c.input.size()), static_cast<ssize_t>(c.input.size()));
            ASSERT_EQ(::lseek(fd, 0, SEEK_SET), 0);
            LineReader reader(fd, chunk);
            EXPECT_EQ(ReadAll(reader), c.lines);
        }
    }
}

TEST(LineReader, AReadErrorIsNotTheEnd)
{
    const Fd directory(::open("/", O_RDONLY | O_DIRECTORY));
    ASSERT_GE(directory.get(), 0);
    LineReader reader(directory.get());
    std::string line;
    EXPECT_EQ(reader.Next(line), LineReader::Status::Failed);
    EXPECT_EQ(reader.Error(), EISDIR);
    EXPECT_EQ(reader.Next(line), LineReader::Status::Failed);
}

}  // namespace
}  // namespace vintorp::batch
