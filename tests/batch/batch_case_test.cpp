// RunLine on what golden files cannot hold: NUL bytes.
#include "batch/batch_case.h"

#include <gtest/gtest.h>

#include <string>

namespace vintorp::batch {
namespace {

using namespace std::string_literals;

const std::string kWorked = R"({"A":"20","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":","})";

TEST(RunLine, ALineHoldingANulByteIsInvalid)
{
    const struct {
        std::string line;
        const char* problem;
    } cases[] = {
        {kWorked + "\0junk]]"s, "not valid JSON (NUL at byte 73)"},
        {"\0"s + kWorked, "not valid JSON (NUL at byte 1)"},
        {R"({"A":"2)"s + "\0"s + R"(0","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":","})",
         "not valid JSON (NUL at byte 8)"},
    };
    for (const auto& c : cases) {
        const LineResult result = RunLine(c.line);
        EXPECT_FALSE(result.valid);
        EXPECT_EQ(result.problem, c.problem);
        EXPECT_EQ(result.output, R"({"status":"invalid","message":")" + std::string(c.problem) + R"("})");
    }
}

}  // namespace
}  // namespace vintorp::batch
