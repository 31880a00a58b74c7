// RunLine on what golden files cannot hold: NUL bytes, and lines of many
// megabytes read in an address space only a few times their size.
#include "batch/batch_case.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/resource.h>

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>

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

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// The process's mapped address space now, in bytes.
std::size_t MappedBytes()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmSize:") {
            std::size_t kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

// While it lives, the process can map at most `extra` bytes more than it has
// mapped now; allocations beyond that fail with std::bad_alloc.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(std::size_t extra)
    {
        rlimit limit{};
        if (getrlimit(RLIMIT_AS, &saved_) != 0) {
            return;
        }
        limit = saved_;
        limit.rlim_cur = MappedBytes() + extra;
        set_ = limit.rlim_cur <= saved_.rlim_max && setrlimit(RLIMIT_AS, &limit) == 0;
    }
    ~AddressSpaceLimit()
    {
        if (set_) {
            setrlimit(RLIMIT_AS, &saved_);
        }
    }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

    bool IsSet() const { return set_; }

private:
    rlimit saved_{};
    bool set_ = false;
};

// The line run through RunLine with no more than `extra` bytes of address
// space to spare.
LineResult RunBounded(const std::string& line, std::size_t extra)
{
    const AddressSpaceLimit limit(extra);
    if (!limit.IsSet()) {
        ADD_FAILURE() << "cannot limit the address space";
    }
    return RunLine(line);
}

constexpr std::size_t kBigLine = 16'000'000;

std::string Repeated(std::string_view piece, std::size_t bytes)
{
    std::string out;
    out.reserve(bytes);
    while (out.size() + piece.size() <= bytes) {
        out += piece;
    }
    return out;
}

// The worked example with `extra` (beginning with a comma) as its last keys.
std::string WorkedWith(const std::string& extra)
{
    return kWorked.substr(0, kWorked.size() - 1) + extra + "}";
}

std::string Nested(std::size_t bytes)
{
    return std::string(bytes / 2, '[') + std::string(bytes / 2, ']');
}

class HugeLine : public testing::Test {
protected:
    void SetUp() override
    {
        if (kAddressSanitizer) {
            GTEST_SKIP() << "the sanitizer's shadow memory does not fit a limited address space";
        }
        // Blocks of a megabyte and more mapped on their own and unmapped when
        // freed: the heap keeps no earlier line's memory free for RunLine to
        // use unseen by the limit.
        mallopt(M_MMAP_THRESHOLD, 1 << 20);
    }
};

// The answer to an invalid line with this problem.
std::string InvalidAnswer(const std::string& problem)
{
    std::string message;
    for (const char c : problem) {
        message += c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    return R"({"status":"invalid","message":")" + message + R"("})";
}

// Lines of 16 MB in an address space of four times that and 32 MB more: each
// gets the answer a small line of its kind gets. Building the values of the
// unknown keys would take 10 to 40 times the line.
TEST_F(HugeLine, IsAnsweredInAFewTimesItsSize)
{
    const std::string worked = RunLine(kWorked).output;
    const std::string template_refused = worked.substr(0, worked.size() - 1)
        + R"(,"template":{"status":"error","message":"key \"template\" must be a string"}})";
    std::string many_keys = ",\"k1\":0";
    for (std::size_t i = 2; many_keys.size() < kBigLine; ++i) {
        many_keys += ",\"k" + std::to_string(i) + "\":0";
    }
    const std::string open_arrays = WorkedWith(",\"x\":" + std::string(kBigLine, '['));
    const struct {
        const char* shape;
        std::string line;
        std::string problem;  // empty: a valid line
        std::string answer;
    } cases[] = {
        {"arrays nested under an unknown key", WorkedWith(",\"x\":" + Nested(kBigLine)), "", worked},
        {"small objects under an unknown key", WorkedWith(",\"x\":[{}" + Repeated(",{}", kBigLine) + "]"), "",
         worked},
        {"numbers under an unknown key", WorkedWith(",\"x\":[0" + Repeated(",123456,0.5", kBigLine) + "]"), "",
         worked},
        {"a huge string under an unknown key", WorkedWith(",\"x\":\"" + std::string(kBigLine, 'a') + "\""), "",
         worked},
        {"many unknown keys", WorkedWith(many_keys), "", worked},
        {"arrays nested as the template's path", WorkedWith(",\"template\":" + Nested(kBigLine)), "",
         template_refused},
        // A repeated key counts with its last value, as a small one does.
        {"arrays nested as a text, after its string", WorkedWith(",\"T\":" + Nested(kBigLine)),
         "key \"T\" must be a string", ""},
        {"small objects as the core type", WorkedWith(",\"type\":[{}" + Repeated(",{}", kBigLine) + "]"),
         "key \"type\" must be 0, 1 or -1", ""},
        {"a huge string as the separator", WorkedWith(",\"sep\":\"" + std::string(kBigLine, ',') + "\""),
         "key \"sep\" must be one character", ""},
        {"a top-level array of objects", "[{}" + Repeated(",{}", kBigLine) + "]", "not a JSON object", ""},
        // Refused at the closing brace, the line's last byte.
        {"arrays left open", open_arrays, "not valid JSON (at byte " + std::to_string(open_arrays.size()) + ")",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        const LineResult result = RunBounded(c.line, 4 * kBigLine + 32'000'000);
        EXPECT_EQ(result.valid, c.problem.empty());
        EXPECT_EQ(result.problem, c.problem);
        EXPECT_EQ(result.output, c.problem.empty() ? c.answer : InvalidAnswer(c.problem));
    }
}

// A line for which even a few times its size cannot be had is answered as
// invalid, not thrown out of RunLine, and the next line is read as ever.
TEST_F(HugeLine, WithoutTheMemoryItNeedsIsAnsweredInvalid)
{
    const std::string line = WorkedWith(",\"x\":\"" + std::string(kBigLine, 'a') + "\"");
    const LineResult result = RunBounded(line, kBigLine / 4);
    EXPECT_FALSE(result.valid);
    EXPECT_EQ(result.problem, "not enough memory for the line");
    EXPECT_EQ(result.output, R"({"status":"invalid","message":"not enough memory for the line"})");
    EXPECT_TRUE(RunLine(kWorked).valid);
}

}  // namespace
}  // namespace vintorp::batch
