// LineReader gives the lines std::getline gives, whatever size the reads come in.
#include "batch/lineio.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace vintorp::batch {
namespace {

using namespace std::string_literals;

TEST(LineReader, SplitsAsGetlineWhateverTheReadSize)
{
    const std::string input
        = "\n\nab\0\r\n"s + std::string(70'000, 'z') + "\nq";  // the last line without '\n'
    const std::vector<std::string> expected = {"", "", "ab\0\r"s, std::string(70'000, 'z'), "q"};
    for (const std::size_t chunk : {1, 3, 64 * 1024}) {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
        ASSERT_TRUE(file);
        ASSERT_EQ(std::fwrite(input.data(), 1, input.size(), file.get()), input.size());
        std::rewind(file.get());  // flushes, and puts the descriptor's offset back to 0
        LineReader reader(fileno(file.get()), chunk);
        std::vector<std::string> lines;
        for (std::string line; reader.next(line) == LineReader::Status::Line;) {
            lines.push_back(line);
        }
        EXPECT_EQ(lines, expected) << "reads of " << chunk;
        EXPECT_EQ(reader.error(), 0);
    }
}

}  // namespace
}  // namespace vintorp::batch
