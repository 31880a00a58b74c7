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
    std::vector<std::optional<std::string>> extra;  // one per LineOptions::extra_keys
};

Case ReadCase(std::string_view line, const LineOptions& options)
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
    for (const ExtraKey& key : options.extra_keys) {
        const auto it = object.find(key.name);
        c.extra.push_back(it == object.end() ? std::nullopt : std::optional(StringValue(*it, key.name)));
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

}  // namespace

LineResult RunLine(std::string_view line, const LineOptions& options)
{
    // The JSON reader's number conversion raises arithmetic flags (overflow
    // for 1e400); the caller gets its own environment back.
    const calc::ArithmeticEnvironment environment;
    Case c;
    try {
        c = ReadCase(line, options);
    } catch (const InvalidLine& e) {
        ordered_json out = {{"status", "invalid"}, {"message", e.what()}};
        return {Dump(out), false, e.what()};
    }

    calc::MemoryView view(std::move(c.inputs), c.core_type, "0");
    std::string status;
    std::string message;
    try {
        const calc::CalcOutcome outcome = calc::Calculate(view, c.sep);
        status = outcome == calc::CalcOutcome::Shown ? "ok" : "rejected";
        message = view.Message();
    } catch (const calc::CalcError& e) {
        status = "error";
        message = e.what();
    }
    for (std::size_t i = 0; status == "ok" && i < c.extra.size(); ++i) {
        if (c.extra[i]) {
            std::string reason = options.extra_keys[i].action(*c.extra[i], view);
            if (!reason.empty()) {
                status = "error";
                message = std::move(reason);
            }
        }
    }
    ordered_json out = {{"status", status}, {"message", message}, {"fields", FieldsJson(view)}};
    return {Dump(out), true, {}};
}

}  // namespace vintorp::batch
