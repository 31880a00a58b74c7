#include "batch_case.h"

#include <array>
#include <map>
#include <optional>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <utility>

#include "calc/bobbin.h"
#include "calc/errors.h"

namespace vintorp::batch {

namespace {

using calc::InputField;
using nlohmann::json;
using nlohmann::ordered_json;

struct InputKey {
    const char* key;
    InputField field;
};
constexpr std::array<InputKey, 6> kInputKeys = {{{"A", InputField::A},
                                                 {"B", InputField::B},
                                                 {"C", InputField::C},
                                                 {"H", InputField::H},
                                                 {"K", InputField::K},
                                                 {"T", InputField::T}}};

// A case that does not fit the expected shape.
class InvalidLine : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The windows, as far as Calculate sees them, held in memory.
class MemoryView : public calc::BobbinView {
public:
    MemoryView(std::map<InputField, std::string> inputs, int core_type)
        : inputs_(std::move(inputs)), core_type_(core_type)
    {
        for (const std::string_view name : calc::kDrawingFields) {
            fields_.emplace(name, "0");
        }
    }
    std::string inputText(InputField field) const override { return inputs_.at(field); }
    int coreType() const override { return core_type_; }
    void setDrawingField(std::string_view name, const std::string& text) override { Field(name) = text; }
    std::string drawingFieldText(std::string_view name) const override
    {
        return const_cast<MemoryView*>(this)->Field(name);
    }
    void showMessage(const std::string& text) override { message_ = text; }
    void showDrawing() override { }

    const std::string& message() const { return message_; }
    ordered_json FieldsJson() const
    {
        ordered_json out = ordered_json::object();
        for (const std::string_view name : calc::kDrawingFields) {
            out[std::string(name)] = fields_.find(name)->second;
        }
        return out;
    }

private:
    std::string& Field(std::string_view name)
    {
        const auto it = fields_.find(name);
        if (it == fields_.end()) {
            throw std::out_of_range("no drawing field " + std::string(name));
        }
        return it->second;
    }

    std::map<InputField, std::string> inputs_;
    int core_type_;
    std::map<std::string, std::string, std::less<>> fields_;
    std::string message_;
};

const json& Member(const json& object, const char* key)
{
    const auto it = object.find(key);
    if (it == object.end()) {
        throw InvalidLine(std::string("missing key \"") + key + "\"");
    }
    return *it;
}

std::string StringMember(const json& object, const char* key)
{
    const json& value = Member(object, key);
    if (!value.is_string()) {
        throw InvalidLine(std::string("key \"") + key + "\" must be a string");
    }
    return value.get<std::string>();
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

struct Case {
    std::map<InputField, std::string> inputs;
    int core_type = 0;
    std::string sep;
    std::optional<json> template_path;  // the value of "template", when present
};

Case ReadCase(std::string_view line)
{
    json object;
    try {
        object = json::parse(line);
    } catch (const json::parse_error& e) {
        throw InvalidLine("not valid JSON (at byte " + std::to_string(e.byte) + ")");
    }
    if (!object.is_object()) {
        throw InvalidLine("not a JSON object");
    }
    Case c;
    for (const InputKey& k : kInputKeys) {
        c.inputs.emplace(k.field, StringMember(object, k.key));
    }
    const json& type = Member(object, "type");
    if (!type.is_number_integer() || type.get<long long>() < -1 || type.get<long long>() > 1) {
        throw InvalidLine("key \"type\" must be 0, 1 or -1");
    }
    c.core_type = type.get<int>();
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

// {"status": "written", "path": ...} or {"status": "error", "message": ...}.
ordered_json TemplateAnswer(const json& path, const std::string& status, const MemoryView& view,
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
    const ordered_json fields = view.FieldsJson();
    for (const auto& [name, text] : fields.items()) {
        job.fields.emplace(name, text.get<std::string>());
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
    Case c;
    try {
        c = ReadCase(line);
    } catch (const InvalidLine& e) {
        ordered_json out = {{"status", "invalid"}, {"message", e.what()}};
        return {Dump(out), false, e.what()};
    }

    MemoryView view(std::move(c.inputs), c.core_type);
    std::string status;
    std::string message;
    try {
        const calc::CalcOutcome outcome = calc::Calculate(view, c.sep);
        status = outcome == calc::CalcOutcome::Shown ? "ok" : "rejected";
        message = view.message();
    } catch (const calc::CalcError& e) {
        status = "error";
        message = e.what();
    }
    ordered_json out = {{"status", status}, {"message", message}, {"fields", view.FieldsJson()}};
    if (c.template_path) {
        out["template"] = TemplateAnswer(*c.template_path, status, view, c, options);
    }
    return {Dump(out), true, {}};
}

}  // namespace vintorp::batch
