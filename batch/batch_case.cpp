#include "batch_case.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <utility>

#include "calc/bobbin.h"
#include "calc/errors.h"
#include "calc/fpenv.h"
#include "calc/memoryview.h"
#include "batch/windings_answer.h"

namespace vintorp::batch {

namespace {

using calc::InputField;
using nlohmann::json;
using nlohmann::ordered_json;

// A case that does not fit the expected shape.
class InvalidLine : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a case needs of the value of one of its keys: the text of a string,
// the core type of an integer from -1 to 1 (not 1.0, and not a number that
// only wraps round to one of them). A value of any other kind, nested ones
// included, is only noted as there.
struct KeyValue {
    bool present = false;
    std::optional<std::string> text;
    std::optional<int> core_type;
    std::optional<double> number;
    std::optional<bool> flag;
    std::optional<json> tree;  // of "windings" and "winding_factors": an array or object
    bool truncated = false;  // the tree had more than kMaxTreeElements on a level
};

// The keys a case reads: the six input texts in the order of InputField,
// then the core type, the separator and the template's path, and the
// template's settings.
constexpr std::array<std::string_view, 19> kCaseKeys
    = {"A",   "B",       "C",         "H",      "K",           "T",            "type", "sep", "template",
       "bobbins", "clearance", "kerf", "cutter", "sheet_width", "sheet_height", "gap",  "labels",
       "windings", "winding_factors"};
constexpr std::size_t kTypeKey = 6;
constexpr std::size_t kSepKey = 7;
constexpr std::size_t kTemplateKey = 8;
constexpr std::size_t kFirstSettingKey = 9;
constexpr std::size_t kWindingsKey = 17;
constexpr std::size_t kWindingFactorsKey = 18;
// Of those two keys' values only so much is built: an array of objects of
// plain values, at most kMaxTreeElements of them a level.
constexpr std::size_t kMaxTreeLevels = 2;
constexpr std::size_t kMaxTreeElements = 1000;
using KeyValues = std::array<KeyValue, kCaseKeys.size()>;

// Reads a line as the JSON reader's events, keeping only the values of the
// case's own keys of a top-level object; as the reader, the last of
// repeated keys counts. Everything else, however large or deeply nested, is
// passed over without being built: beyond the line itself, a line costs the
// reader's buffers for its longest string or number (about twice its size)
// and one bit a level of nesting, and nothing recurses.
class CaseEvents {
public:
    bool null() { return Building() ? Added(nullptr) : Value(); }
    bool boolean(bool v) { return Building() ? Added(v) : Value({}, {}, {}, v); }
    bool number_integer(json::number_integer_t v)
    {
        if (Building()) {
            return Added(v);
        }
        return Value({}, v >= -1 && v <= 1 ? std::optional<int>(static_cast<int>(v)) : std::nullopt,
                     static_cast<double>(v));
    }
    bool number_unsigned(json::number_unsigned_t v)
    {
        if (Building()) {
            return Added(v);
        }
        return Value({}, v <= 1 ? std::optional<int>(static_cast<int>(v)) : std::nullopt, static_cast<double>(v));
    }
    bool number_float(json::number_float_t v, const json::string_t&) { return Building() ? Added(v) : Value({}, {}, v); }
    bool string(json::string_t& s)
    {
        if (Building()) {
            return Added(std::move(s));
        }
        return Wanted() ? Value(std::move(s)) : true;
    }
    bool binary(json::binary_t&) { return Value(); }
    bool start_object(std::size_t) { return Open(true); }
    bool start_array(std::size_t) { return Open(false); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }
    bool key(json::string_t& name)
    {
        if (Building()) {
            key_ = std::move(name);
            return true;
        }
        if (depth_ == 1) {
            const auto found = std::find(kCaseKeys.begin(), kCaseKeys.end(), name);
            current_ = static_cast<std::size_t>(found - kCaseKeys.begin());
        }
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const json::parse_error& e)
    {
        return Fail("not valid JSON (at byte " + std::to_string(e.byte) + ")");
    }
    bool parse_error(std::size_t, const std::string&, const json::out_of_range&)
    {
        // The reader's one range error: a number beyond the range of a double.
        return Fail("not valid JSON (a number out of range)");
    }
    bool parse_error(std::size_t, const std::string&, const json::exception&)
    {
        return Fail("not valid JSON");
    }

    bool IsObject() const { return is_object_; }
    const std::string& Problem() const { return problem_; }
    KeyValues& Values() { return values_; }

private:
    // A value directly under one of the case's keys.
    bool Wanted() const { return is_object_ && depth_ == 1 && current_ < values_.size(); }

    bool Value(std::optional<std::string> text = {}, std::optional<int> core_type = {},
               std::optional<double> number = {}, std::optional<bool> flag = {})
    {
        if (Wanted()) {
            values_[current_] = {true, std::move(text), core_type, number, flag, std::nullopt, false};
        }
        return true;
    }

    bool Open(bool object)
    {
        if (depth_ == 0) {
            is_object_ = object;
        }
        if (Building()) {
            if (skipped_ == 0 && building_.size() < kMaxTreeLevels && Add(object ? json::object() : json::array())) {
                json& parent = *building_.back();
                building_.push_back(parent.is_array() ? &parent.back() : &parent[key_]);
            } else {
                Add(nullptr);  // deeper than a case reads, or past its limit: noted, not built
                ++skipped_;
            }
        } else if (Wanted() && (current_ == kWindingsKey || current_ == kWindingFactorsKey)) {
            tree_ = object ? json::object() : json::array();
            building_ = {&tree_};
            tree_key_ = current_;
        } else {
            Value();  // an array or object under a key of the case: the wrong kind
        }
        ++depth_;
        return true;
    }

    bool Close()
    {
        --depth_;
        if (skipped_ > 0) {
            --skipped_;
        } else if (!building_.empty()) {
            building_.pop_back();
            if (building_.empty()) {
                values_[tree_key_] = {true, {}, {}, {}, {}, std::move(tree_), truncated_};
                truncated_ = false;
            }
        }
        return true;
    }

    // Inside the value of "windings" or "winding_factors".
    bool Building() const { return !building_.empty(); }

    // A value into the tree being built, past its limits only noted.
    // A plain value into the tree; the reader goes on whether it fitted or not.
    bool Added(json value)
    {
        Add(std::move(value));
        return true;
    }

    // Whether it was added.
    bool Add(json value)
    {
        if (skipped_ > 0) {
            return false;
        }
        json& parent = *building_.back();
        if (parent.is_array() && parent.size() < kMaxTreeElements) {
            parent.push_back(std::move(value));
            return true;
        }
        if (parent.is_object() && (parent.size() < kMaxTreeElements || parent.contains(key_))) {
            parent[key_] = std::move(value);
            return true;
        }
        truncated_ = true;
        return false;
    }

    bool Fail(std::string problem)
    {
        problem_ = std::move(problem);
        return false;
    }

    std::size_t depth_ = 0;  // arrays and objects open around the next value
    bool is_object_ = false;
    std::size_t current_ = kCaseKeys.size();  // the case's key of the next value at depth 1, or none
    KeyValues values_;
    std::string problem_;
    json tree_;  // the value of "windings" or "winding_factors" being built
    std::size_t tree_key_ = 0;
    std::vector<json*> building_;  // its open arrays and objects, innermost last
    std::size_t skipped_ = 0;  // levels inside it too deep to build
    std::string key_;  // the key of its next value, in an object
    bool truncated_ = false;
};

std::string StringValue(const KeyValue& value, std::size_t key)
{
    if (!value.present) {
        throw InvalidLine("missing key \"" + std::string(kCaseKeys[key]) + "\"");
    }
    if (!value.text) {
        throw InvalidLine("key \"" + std::string(kCaseKeys[key]) + "\" must be a string");
    }
    return std::move(*value.text);
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

// The values of the case's keys in the line, which must be a JSON object.
// The JSON reader stops at a NUL byte as at the end of its input, so a line
// holding one is refused before it is read.
KeyValues ReadKeys(std::string_view line)
{
    if (const auto nul = line.find('\0'); nul != std::string_view::npos) {
        throw InvalidLine("not valid JSON (NUL at byte " + std::to_string(nul + 1) + ")");
    }
    CaseEvents events;
    if (!json::sax_parse(line, &events)) {
        throw InvalidLine(events.Problem());
    }
    if (!events.IsObject()) {
        throw InvalidLine("not a JSON object");
    }
    return std::move(events.Values());
}

struct Case {
    std::array<std::string, 6> inputs;
    int core_type = 0;
    std::string sep;
    KeyValue template_path;  // the value of "template", when present
    KeyValue windings;  // of "windings" and "winding_factors", when present
    KeyValue winding_factors;
    std::array<KeyValue, kWindingsKey - kFirstSettingKey> settings;  // "bobbins" … "labels"
};

Case ReadCase(std::string_view line)
{
    KeyValues values = ReadKeys(line);
    Case c;
    for (std::size_t i = 0; i < c.inputs.size(); ++i) {
        c.inputs[i] = StringValue(values[i], i);
    }
    const KeyValue& type = values[kTypeKey];
    if (!type.present) {
        throw InvalidLine("missing key \"type\"");
    }
    if (!type.core_type) {
        throw InvalidLine("key \"type\" must be 0, 1 or -1");
    }
    c.core_type = *type.core_type;
    c.sep = StringValue(values[kSepKey], kSepKey);
    if (CharacterCount(c.sep) != 1) {
        throw InvalidLine("key \"sep\" must be one character");
    }
    c.template_path = std::move(values[kTemplateKey]);
    std::move(values.begin() + kFirstSettingKey, values.begin() + kWindingsKey, c.settings.begin());
    c.windings = std::move(values[kWindingsKey]);
    c.winding_factors = std::move(values[kWindingFactorsKey]);
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

std::string RefusalText(TemplateRefusal refusal, std::string_view key)
{
    const std::string quoted = "key \"" + std::string(key) + "\"";
    switch (refusal) {
    case TemplateRefusal::NotAString: return quoted + " must be a string";
    case TemplateRefusal::NothingToCut: return "nothing to cut: the calculation did not succeed";
    case TemplateRefusal::NotAvailable: return "templates are not available";
    case TemplateRefusal::NotANumber: return quoted + " must be a number";
    case TemplateRefusal::NotAWholeNumber: return quoted + " must be a whole number";
    case TemplateRefusal::NotTrueOrFalse: return quoted + " must be true or false";
    }
    return "template refused";
}

namespace {

// {"status": "written", "path": ...} or {"status": "error", "message": ...}.
ordered_json TemplateAnswer(const KeyValue& path, const std::string& status, const calc::MemoryView& view,
                            const Case& c, const RunOptions& options)
{
    const auto error = [](const std::string& why) {
        return ordered_json{{"status", "error"}, {"message", why}};
    };
    const auto refused = [&options, &error](TemplateRefusal refusal, std::string_view key = "template") {
        return error(options.word_refusal ? options.word_refusal(refusal, key) : RefusalText(refusal, key));
    };
    if (!path.text) {
        return refused(TemplateRefusal::NotAString);
    }
    const std::string& file = *path.text;
    if (status != "ok") {
        return refused(TemplateRefusal::NothingToCut);
    }
    if (!options.write_template) {
        return refused(TemplateRefusal::NotAvailable);
    }
    TemplateJob job;
    for (const std::string_view name : calc::kDrawingFields) {
        job.fields.emplace(name, view.Field(name));
    }
    job.core_type = c.core_type;
    job.sep = c.sep;
    job.path = file;
    // The settings, each of its own kind; their ranges are the writer's to check.
    TemplateSettings& t = job.settings;
    const auto key = [](std::size_t i) { return kCaseKeys[kFirstSettingKey + i]; };
    const std::array<double*, 6> numbers = {&t.clearance, &t.kerf, nullptr, &t.sheet_width, &t.sheet_height, &t.gap};
    for (std::size_t i = 0; i < c.settings.size(); ++i) {
        const KeyValue& v = c.settings[i];
        if (!v.present) {
            continue;
        }
        if (i == 0) {
            if (!v.number || *v.number != std::floor(*v.number) || std::abs(*v.number) > 1e6) {
                return refused(TemplateRefusal::NotAWholeNumber, key(i));
            }
            t.bobbins = static_cast<int>(*v.number);
        } else if (key(i) == "cutter" || key(i) == "labels") {
            if (!v.flag) {
                return refused(TemplateRefusal::NotTrueOrFalse, key(i));
            }
            (key(i) == "cutter" ? t.cutter : t.labels) = *v.flag;
        } else {
            if (!v.number) {
                return refused(TemplateRefusal::NotANumber, key(i));
            }
            *numbers[i - 1] = *v.number;
        }
    }
    const std::string why = options.write_template(job);
    if (!why.empty()) {
        return error(why);
    }
    return {{"status", "written"}, {"path", file}};
}

// One line's answer; allocation failures are the caller's.
LineResult Answer(std::string_view line, const RunOptions& options)
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
    if (c.template_path.present) {
        out["template"] = TemplateAnswer(c.template_path, status, view, c, options);
    }
    if (c.windings.present || c.winding_factors.present) {
        out["windings"] = WindingsAnswer(c.windings.tree.value_or(json()), c.windings.truncated,
                                         c.winding_factors.tree.value_or(json()), status, view, c.sep, options);
    }
    return {Dump(out), true, {}};
}

}  // namespace

LineResult RunLine(std::string_view line, const RunOptions& options)
{
    // Whatever a line holds, it costs no more than a few times its own size;
    // should even that not be had, the line is answered and the next one read.
    try {
        return Answer(line, options);
    } catch (const std::bad_alloc&) {
        return LineOutOfMemory();
    } catch (const std::length_error&) {
        return LineOutOfMemory();
    }
}

LineResult LineOutOfMemory()
{
    const std::string problem = "not enough memory for the line";
    return {Dump({{"status", "invalid"}, {"message", problem}}), false, problem};
}

}  // namespace vintorp::batch
