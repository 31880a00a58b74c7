// RunLine on what golden files cannot hold (NUL bytes) and the extra keys a
// caller adds to the line format.
#include "batch/batch_case.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/drawingfields.h"
#include "calc/memoryview.h"

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

// Records the calls of an extra key's action and answers with a set reason.
struct Recorder {
    std::vector<std::string> texts;
    std::vector<std::string> cheek_widths;
    std::string reason;

    LineOptions Options()
    {
        return {{{"extra", [this](const std::string& text, const calc::MemoryView& drawing) {
                      texts.push_back(text);
                      cheek_widths.push_back(drawing.Field(calc::field::CheekWidth));
                      return reason;
                  }}}};
    }
};

std::string WithExtra(const std::string& value)
{
    return kWorked.substr(0, kWorked.size() - 1) + R"(,"extra":)" + value + "}";
}

TEST(RunLine, AnExtraKeyActsOnTheDrawingAfterACalculationThatShowsIt)
{
    Recorder recorder;
    const LineResult result = RunLine(WithExtra(R"("out.svg")"), recorder.Options());
    EXPECT_TRUE(result.valid);
    EXPECT_TRUE(result.output.starts_with(R"({"status":"ok","message":"",)")) << result.output;
    EXPECT_EQ(recorder.texts, std::vector<std::string>{"out.svg"});
    EXPECT_EQ(recorder.cheek_widths, std::vector<std::string>{"39,5"});
}

TEST(RunLine, AnExtraKeysReasonMakesTheAnswerAnError)
{
    Recorder recorder;
    recorder.reason = "cannot write out.svg";
    const LineResult result = RunLine(WithExtra(R"("out.svg")"), recorder.Options());
    EXPECT_TRUE(result.valid);
    EXPECT_TRUE(result.output.starts_with(R"({"status":"error","message":"cannot write out.svg",)"))
        << result.output;
}

TEST(RunLine, AnExtraKeyIsOptionalAndIdleUnlessTheDrawingIsShown)
{
    Recorder recorder;
    EXPECT_TRUE(RunLine(kWorked, recorder.Options()).valid);
    const std::string rejected
        = R"({"A":"0,99","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":",","extra":"x"})";
    const LineResult result = RunLine(rejected, recorder.Options());
    EXPECT_TRUE(result.output.starts_with(R"({"status":"rejected",)")) << result.output;
    EXPECT_TRUE(recorder.texts.empty());
}

TEST(RunLine, AnExtraKeyMustHoldAString)
{
    Recorder recorder;
    const LineResult result = RunLine(WithExtra("1"), recorder.Options());
    EXPECT_FALSE(result.valid);
    EXPECT_EQ(result.problem, R"(key "extra" must be a string)");
    EXPECT_TRUE(recorder.texts.empty());
}

}  // namespace
}  // namespace vintorp::batch
