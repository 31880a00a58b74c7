#include "batch_case.h"

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <utility>

#include "calc/bobbin.h"
#include "calc/errors.h"
#include "calc/fpenv.h"
#include "calc/memoryview.h"

namespace vintorp::batch {

namespace {

using calc::InputField;
using nlohmann::json;
using nlohmann::ordered_json;

// The keys of the six input texts, in the order of InputField.
constexpr std::array<const char*, 6> kInputKeys = {"A", "B", "C", "H", "K", "T"};

// A case that does not fit the expected shape.
class InvalidLine : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

const json& Member(const json& object, const char* key)
{
    const auto it = object.find(key);
    if (it == object.end()) {
        throw InvalidLine(std::string("missing key \"") + key + "\"");
    }
    return *it;
}

std::string StringValue(const json& value, const std::string& key)
{
    if (!value.is_string()) {
        throw InvalidLine("key \"" + key + "\" must be a string");
    }
    return value.get<std::string>();
}

std::string StringMember(const json& object, const char* key)
{
    return StringValue(Member(object, key), key);
}

// -1, 0 or 1 as a JSON integer; not 1.0, and not a number that only wraps
// round to one of them.
std::optional<int> CoreTypeValue(const json& value)
{
    if (value.is_number_unsigned()) {
        const auto v = value.get<std::uint64_t>();
        return v <= 1 ? std::optional<int>(static_cast<int>(v)) : std::nullopt;
    }
    if (value.is_number_integer()) {
        const auto v = value.get<std::int64_t>();
        return v >= -1 && v <= 1 ? std::optional<int>(static_cast<int>(v)) : std::nullopt;
    }
    return std::nullopt;
}

// Number of UTF-8 characters (the JSON parser has already rejected text that
// is not UTF-8).
std::size_t CharacterCount(std::string_view s)
{
    std::size_t count = 0;
    for (const char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

// The line as one JSON value. The JSON reader stops at a NUL byte as at the
// end of its input, so a line holding one is refused before it is read.
json ParseLine(std::string_view line)
{
    if (const auto nul = line.find('\0'); nul != std::string_view::npos) {
        throw InvalidLine("not valid JSON (NUL at byte " + std::to_string(nul + 1) + ")");
    }
    try {
        return json::parse(line);
    } catch (const json::parse_error& e) {
        throw InvalidLine("not valid JSON (at byte " + std::to_string(e.byte) + ")");
    } catch (const json::out_of_range&) {
        // The reader's one range error: a number beyond the range of a double.
        throw InvalidLine("not valid JSON (a number out of range)");
    } catch (const json::exception&) {
        throw InvalidLine("not valid JSON");
    }
}

struct Case {
    std::array<std::string, 6> inputs;
    int core_type = 0;
    std::string sep;
    std::optional<json> template_path;  // the value of "template", when present
};

Case ReadCase(std::string_view line)
{
    const json object = ParseLine(line);
    if (!object.is_object()) {
        throw InvalidLine("not a JSON object");
    }
    Case c;
    for (std::size_t i = 0; i < kInputKeys.size(); ++i) {
        c.inputs[i] = StringMember(object, kInputKeys[i]);
    }
    const std::optional<int> type = CoreTypeValue(Member(object, "type"));
    if (!type) {
        throw InvalidLine("key \"type\" must be 0, 1 or -1");
    }
    c.core_type = *type;
    c.sep = StringMember(object, "sep");
    if (CharacterCount(c.sep) != 1) {
        throw InvalidLine("key \"sep\" must be one character");
    }
    if (const auto it = object.find("template"); it != object.end()) {
        c.template_path = *it;
    }
    return c;
}

std::string Dump(const ordered_json& j)
{
    return j.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace);
}

ordered_json FieldsJson(const calc::MemoryView& view)
{
    ordered_json out = ordered_json::object();
    for (const std::string_view name : calc::kDrawingFields) {
        out[std::string(name)] = view.Field(name);
    }
    return out;
}

// {"status": "written", "path": ...} or {"status": "error", "message": ...}.
ordered_json TemplateAnswer(const json& path, const std::string& status, const calc::MemoryView& view,
                            const Case& c, const RunOptions& options)
{
    const auto error = [](const std::string& why) {
        return ordered_json{{"status", "error"}, {"message", why}};
    };
    if (!path.is_string()) {
        return error("key \"template\" must be a string");
    }
    const std::string file = path.get<std::string>();
    if (status != "ok") {
        return error("nothing to cut: the calculation did not succeed");
    }
    if (!options.write_template) {
        return error("templates are not available");
    }
    TemplateJob job;
    for (const std::string_view name : calc::kDrawingFields) {
        job.fields.emplace(name, view.Field(name));
    }
    job.core_type = c.core_type;
    job.sep = c.sep;
    job.path = file;
    const std::string why = options.write_template(job);
    if (!why.empty()) {
        return error(why);
    }
    return {{"status", "written"}, {"path", file}};
}

}  // namespace

LineResult RunLine(std::string_view line, const RunOptions& options)
{
    // The JSON reader's number conversion raises arithmetic flags (overflow
    // for 1e400); the caller gets its own environment back.
    const calc::ArithmeticEnvironment environment;
    Case c;
    try {
        c = ReadCase(line);
    } catch (const InvalidLine& e) {
        ordered_json out = {{"status", "invalid"}, {"message", e.what()}};
        return {Dump(out), false, e.what()};
    }

    calc::MemoryView view(std::move(c.inputs), c.core_type, "0");
    std::string status;
    std::optional<calc::Error> error;
    try {
        const calc::CalcOutcome outcome = calc::Calculate(view, c.sep);
        status = outcome == calc::CalcOutcome::Shown ? "ok" : "rejected";
        error = view.Message();
    } catch (const calc::CalcError& e) {
        status = "error";
        error = e.error();
    }
    std::string message;
    if (error) {
        message = options.translate_message ? options.translate_message(*error) : calc::SourceText(*error);
    }
    ordered_json out = {{"status", status}, {"message", message}, {"fields", FieldsJson(view)}};
    if (c.template_path) {
        out["template"] = TemplateAnswer(*c.template_path, status, view, c, options);
    }
    return {Dump(out), true, {}};
}

}  // namespace vintorp::batch
