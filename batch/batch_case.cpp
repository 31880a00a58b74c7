#include "batch_case.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>

#include "calc/bobbin.h"
#include "calc/errors.h"
#include "calc/fpenv.h"
#include "calc/memoryview.h"
#include "calc/numtext.h"
#include "design/design.h"
#include "batch/transformer_answer.h"
#include "batch/windings_answer.h"

namespace vintorp::batch {

namespace {

using calc::InputField;
using nlohmann::json;
using nlohmann::ordered_json;

// Counts the bytes of a text that is not kept.
class ByteCount : public nlohmann::detail::output_adapter_protocol<char> {
public:
    void write_character(char) override { ++bytes; }
    void write_characters(const char*, std::size_t length) override { bytes += length; }
    std::size_t bytes = 0;
};

void serialize(const ordered_json& j, nlohmann::detail::output_adapter_t<char> to)
{
    nlohmann::detail::serializer<ordered_json>(std::move(to), ' ', ordered_json::error_handler_t::replace)
        .dump(j, false, false, 0);
}

// The answer's text, measured first and then written into room had at once:
// a string grown as it is written would for a moment take three times its
// size, old room and new.
std::string dump(const ordered_json& j)
{
    const auto count = std::make_shared<ByteCount>();
    serialize(j, count);
    std::string text;
    text.reserve(count->bytes);
    serialize(j, nlohmann::detail::output_adapter<char>(text));
    return text;
}

ordered_json fieldsJson(const calc::MemoryView& view)
{
    ordered_json out = objectWithRoom(calc::kDrawingFields.size());
    for (const std::string_view name : calc::kDrawingFields) {
        out[std::string(name)] = view.field(name);
    }
    return out;
}

// {"status": "written", "path": the file asked for, "paths": [the files
// written]} or {"status": "error", "message": ...}.
// `drawn`: the case's drawing numbers, nothing when the calculation did not succeed.
ordered_json templateAnswer(const design::Case& c, const std::optional<calc::DrawingNumbers>& drawn,
                            const RunOptions& options)
{
    const auto error = [](const std::string& why) {
        return ordered_json{{"status", "error"}, {"message", why}};
    };
    const auto refused = [&options, &error](TemplateRefusal refusal, std::string_view key = "template") {
        return error(options.word_refusal ? options.word_refusal(refusal, key) : std::string());
    };
    if (!c.templatePath.text) {
        return refused(TemplateRefusal::NotAString);
    }
    const std::string& file = *c.templatePath.text;
    if (!drawn) {
        return refused(TemplateRefusal::NothingToCut);
    }
    if (!options.write_template) {
        return refused(TemplateRefusal::NotAvailable);
    }
    // A setting of the wrong kind; the ranges are the writer's to check.
    if (const auto& fault = c.settingsFault) {
        switch (design::valueKind(fault->key)) {
        case design::ValueKind::Whole: return refused(TemplateRefusal::NotAWholeNumber, fault->key);
        case design::ValueKind::Flag: return refused(TemplateRefusal::NotTrueOrFalse, fault->key);
        default: return refused(TemplateRefusal::NotANumber, fault->key);
        }
    }
    TemplateJob job;
    job.numbers = *drawn;
    job.core_type = c.design.coreType;
    job.path = file;
    job.settings = c.design.templateSettings;
    const TemplateWritten written = options.write_template(job);
    if (!written.failure.empty()) {
        return error(written.failure);
    }
    return {{"status", "written"}, {"path", file}, {"paths", written.paths}};
}

// The core as typed, for the transformer; nothing without a core type. A
// size that is no number is NaN, for the transformer's check to refuse.
std::optional<windings::Core> coreOf(const calc::MemoryView& view, std::string_view sep)
{
    const int type = view.coreType();
    if (type != calc::ETypeCore && type != calc::UTypeCore) {
        return std::nullopt;
    }
    const auto size = [&](InputField field) {
        return double(
            calc::parseNumberOrDefault(view.inputText(field), std::numeric_limits<double>::quiet_NaN(), sep));
    };
    return windings::Core{type == calc::UTypeCore, size(InputField::A), size(InputField::B),
                          size(InputField::C), size(InputField::H)};
}

// One line's answer; allocation failures are the caller's.
LineResult answer(std::string_view line, const RunOptions& options, design::Source source)
{
    // The JSON reader's number conversion raises arithmetic flags (overflow
    // for 1e400); the caller gets its own environment back.
    const calc::ArithmeticEnvironment environment;
    auto read = design::readCase(line, source);
    if (const auto* bad = std::get_if<design::ReadError>(&read)) {
        return invalidAnswer(options.word_read_error ? options.word_read_error(*bad)
                                                     : design::readErrorText(*bad));
    }
    design::Case& c = std::get<design::Case>(read);

    calc::MemoryView view(std::move(c.design.inputs), c.design.coreType, "0");
    std::string status;
    std::optional<calc::Error> error;
    try {
        const calc::CalcOutcome outcome = calc::calculate(view, c.sep);
        status = outcome == calc::CalcOutcome::Shown ? "ok" : "rejected";
        error = view.message();
    } catch (const calc::CalcError& e) {
        status = "error";
        error = e.error();
    }
    std::string message;
    if (error) {
        message = options.translate_message ? options.translate_message(*error) : calc::sourceText(*error);
    }
    ordered_json out = objectWithRoom(6);
    out["status"] = status;
    out["message"] = message;
    out["fields"] = fieldsJson(view);
    // "winding_factors" alone asks for the windings; beside "transformer", for its build-up.
    const bool windingsAsked = c.windings.present || (c.windingFactors.present && !c.transformer.present);
    // The drawing's numbers, read once for the template, the windings and the transformer.
    std::optional<calc::DrawingNumbers> drawn;
    if (status == "ok" && (c.templatePath.present || windingsAsked || c.transformer.present)) {
        drawn = calc::readDrawingNumbers(view.fields(), c.sep);
    }
    if (c.templatePath.present) {
        out["template"] = templateAnswer(c, drawn, options);
    }
    if (windingsAsked) {
        json windings = std::move(c.windings.tree).value_or(json());
        out["windings"] = windingsAnswer(windings, c.windings.truncated,
                                         c.windingFactors.tree.value_or(json()), drawn, options);
    }
    if (c.transformer.present) {
        out["transformer"] = transformerAnswer(c.transformer, c.windingFactors.tree.value_or(json()),
                                               coreOf(view, c.sep), drawn, options);
    }
    return {dump(out), true, {}};
}

}  // namespace

LineResult runLine(std::string_view line, const RunOptions& options, design::Source source)
{
    // Whatever a line holds, it costs no more than a few times its own size;
    // should even that not be had, the line is answered and the next one read.
    try {
        return answer(line, options, source);
    } catch (const std::bad_alloc&) {
        return lineOutOfMemory();
    } catch (const std::length_error&) {
        return lineOutOfMemory();
    }
}

LineResult invalidAnswer(std::string problem)
{
    std::string output = dump({{"status", "invalid"}, {"message", problem}});
    return {std::move(output), false, std::move(problem)};
}

LineResult lineOutOfMemory()
{
    return invalidAnswer("not enough memory for the line");
}

}  // namespace vintorp::batch
