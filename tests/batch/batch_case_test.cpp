// runLine on what golden files cannot hold: NUL bytes, and lines of many
// megabytes read in an address space only a few times their size.
#include "batch/batch_case.h"
#include "kindwords.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/resource.h>

#include <cstddef>
#include <fstream>
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
        const LineResult result = runLine(c.line);
        EXPECT_FALSE(result.valid);
        EXPECT_EQ(result.problem, c.problem);
        EXPECT_EQ(result.output, R"({"status":"invalid","message":")" + std::string(c.problem) + R"("})");
    }
}

// The process's mapped address space now, in bytes.
std::size_t MappedBytes()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word && word != "VmSize:") { }
    std::size_t kilobytes = 0;
    status >> kilobytes;
    return kilobytes * 1024;
}

// While it lives, the process can map only `extra` bytes more than it has
// mapped now: allocations beyond that throw std::bad_alloc.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(std::size_t extra)
    {
        getrlimit(RLIMIT_AS, &saved_);
        const rlimit limit{MappedBytes() + extra, saved_.rlim_max};
        EXPECT_EQ(setrlimit(RLIMIT_AS, &limit), 0) << "cannot limit the address space";
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &saved_); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

private:
    rlimit saved_{};
};

class HugeLine : public testing::Test {
protected:
    void SetUp() override
    {
#ifdef __SANITIZE_ADDRESS__
        GTEST_SKIP() << "the sanitizer's shadow memory does not fit a limited address space";
#endif
        // Blocks of a megabyte and more mapped on their own and unmapped when
        // freed: no earlier line's memory lies free in the heap, unseen by the limit.
        mallopt(M_MMAP_THRESHOLD, 1 << 20);
    }

    static LineResult RunBounded(const std::string& line, std::size_t extra)
    {
        const RunOptions options = KindWords();
        const AddressSpaceLimit limit(extra);
        return runLine(line, options);
    }

    static constexpr std::size_t kSize = 16'000'000;

    // The worked example with `extra` (beginning with a comma) as its last keys.
    static std::string WorkedWith(const std::string& extra)
    {
        return kWorked.substr(0, kWorked.size() - 1) + extra + "}";
    }
    static std::string Repeated(const std::string& piece)
    {
        std::string out;
        for (out.reserve(kSize); out.size() < kSize;) {
            out += piece;
        }
        return out;
    }
    static std::string Nested()
    {
        return std::string(kSize / 2, '[') + std::string(kSize / 2, ']');
    }
};

// Lines of 16 MB, given four times that and 32 MB more, get the answer a
// small line of the same kind gets; building the unknown keys' values would
// take 10 to 40 times the line.
TEST_F(HugeLine, IsAnsweredInAFewTimesItsSize)
{
    const std::string worked = runLine(kWorked, KindWords()).output;
    const std::string template_refused = worked.substr(0, worked.size() - 1)
                                         + R"(,"template":{"status":"error","message":")"
                                         + Refusal(TemplateRefusal::NotAString) + R"("}})";
    std::string many_keys;
    for (std::size_t i = 1; many_keys.size() < kSize; ++i) {
        many_keys += ",\"k" + std::to_string(i) + "\":0";
    }
    const std::string open_arrays = WorkedWith(",\"x\":" + std::string(kSize, '['));
    const struct {
        std::string line;
        std::string answer_or_problem;  // a valid line's answer, an invalid one's problem
    } cases[] = {
        {WorkedWith(",\"x\":" + Nested()), worked},
        {WorkedWith(",\"x\":[{}" + Repeated(",{}") + "]"), worked},
        {WorkedWith(",\"x\":[0" + Repeated(",123456,0.5") + "]"), worked},
        {WorkedWith(many_keys), worked},
        {WorkedWith(",\"template\":" + Nested()), template_refused},
        // A repeated key counts with its last value, as in a small line.
        {WorkedWith(",\"T\":" + Nested()), "key \"T\" must be a string"},
        {WorkedWith(",\"type\":[{}" + Repeated(",{}") + "]"), "key \"type\" must be 0, 1 or -1"},
        {"[{}" + Repeated(",{}") + "]", "not a JSON object"},
        {open_arrays, "not valid JSON (at byte " + std::to_string(open_arrays.size()) + ")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 100));
        const LineResult result = RunBounded(c.line, 4 * kSize + 32'000'000);
        EXPECT_EQ(result.valid ? result.output : result.problem, c.answer_or_problem);
    }
}

// A line for which even that much memory cannot be had is answered invalid,
// not thrown out of runLine.
TEST_F(HugeLine, WithoutTheMemoryItNeedsIsAnsweredInvalid)
{
    const LineResult result = RunBounded(WorkedWith(",\"x\":\"" + std::string(kSize, 'a') + "\""), kSize / 4);
    EXPECT_EQ(result.output, R"({"status":"invalid","message":"not enough memory for the line"})");
    EXPECT_EQ(result.problem, "not enough memory for the line");
}

}  // namespace
}  // namespace vintorp::batch
