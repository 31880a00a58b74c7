// Fuzz target for the batch tool's line reader: the input is one line.
//
// Properties: the answer is one JSON object whose status is one of the five,
// "invalid" exactly when the line was refused, with a message; answers that
// are not "invalid" hold the fourteen drawing fields; the environment is the
// caller's again afterwards, whatever flags the caller had raised (the sum of
// the line's bytes chooses the caller's environment, see fuzz_support.h).
#include <cstdint>
#include <nlohmann/json.hpp>
#include <numeric>
#include <string>
#include <string_view>

#include "batch/batch_case.h"
#include "../batch/kindwords.h"
#include "calc/drawingfields.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using vintorp::fuzz::Require;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const vintorp::fuzz::FpState caller
        = vintorp::fuzz::CallerEnvironment(static_cast<std::uint8_t>(std::accumulate(data, data + size, 0U)));
    const vintorp::fuzz::FpState start = vintorp::fuzz::FpState::Read();

    static const vintorp::batch::RunOptions options = vintorp::batch::KindWords();
    vintorp::batch::LineResult result;
    vintorp::fuzz::KeepsEnvironment(caller, "runLine keeps the environment",
                                    [&] { result = vintorp::batch::runLine(line, options); });
    start.Load();

    const auto answer = nlohmann::json::parse(result.output, nullptr, false);
    Require(answer.is_object(), "the answer is one JSON object");
    const auto status = answer.find("status");
    Require(status != answer.end() && status->is_string(), "the answer has a status");
    const auto message = answer.find("message");
    Require(message != answer.end() && message->is_string(), "the answer has a message");
    const std::string s = status->get<std::string>();
    if (s == "invalid") {
        Require(!result.valid && !result.problem.empty(), "an invalid line says what is wrong");
        Require(answer.size() == 2, "an invalid line's answer holds status and message only");
        return 0;
    }
    Require(result.valid, "only an invalid answer marks the line refused");
    Require(s == "ok" || s == "rejected" || s == "error", "the status is one of the five");
    const auto fields = answer.find("fields");
    Require(fields != answer.end() && fields->is_object()
                && fields->size() == vintorp::calc::kDrawingFields.size(),
            "the answer holds the drawing fields");
    for (const std::string_view name : vintorp::calc::kDrawingFields) {
        const auto f = fields->find(name);
        Require(f != fields->end() && f->is_string(), "every drawing field has a text");
    }
    return 0;
}
