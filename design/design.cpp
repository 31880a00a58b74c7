#include "design/design.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>

namespace vintorp::design {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr std::array<const char*, 6> kInputKeys = {"A", "B", "C", "H", "K", "T"};
constexpr const char* kFormat = "vintorp-design";

std::string replaced(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty() || from == to)
        return std::string(text);
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t next = text.find(from, at);
        out.append(text.substr(at, next - at));
        if (next == std::string_view::npos)
            return out;
        out.append(to);
        at = next + from.size();
    }
}

std::size_t characters(std::string_view utf8)
{
    return std::size_t(std::count_if(utf8.begin(), utf8.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A value out of place: thrown while a design is read, caught at its end.
struct Bad {
    Fault fault;
    std::string key;
};

class Reader {
public:
    explicit Reader(const json& object, std::string prefix = {}) : object_(object), prefix_(std::move(prefix)) { }

    bool has(const char* key) const { return object_.contains(key); }

    const json& value(const char* key) const
    {
        const auto it = object_.find(key);
        if (it == object_.end())
            throw Bad{Fault::WrongKind, name(key)};
        return *it;
    }

    std::string text(const char* key, std::size_t maxCharacters) const
    {
        const json& v = value(key);
        if (!v.is_string())
            throw Bad{Fault::WrongKind, name(key)};
        const std::string& s = v.get_ref<const std::string&>();
        if (characters(s) > maxCharacters)
            throw Bad{Fault::OutOfRange, name(key)};
        return s;
    }

    double number(const char* key, double low, double high) const
    {
        const json& v = value(key);
        if (!v.is_number())
            throw Bad{Fault::WrongKind, name(key)};
        const double d = v.get<double>();
        if (!(d >= low && d <= high))
            throw Bad{Fault::OutOfRange, name(key)};
        return d;
    }

    long whole(const char* key, long low, long high) const
    {
        const double d = number(key, double(low), double(high));
        if (d != std::floor(d))
            throw Bad{Fault::WrongKind, name(key)};
        return static_cast<long>(d);
    }

    bool flag(const char* key) const
    {
        const json& v = value(key);
        if (!v.is_boolean())
            throw Bad{Fault::WrongKind, name(key)};
        return v.get<bool>();
    }

    template <typename T, typename Read>
    std::optional<T> optional(const char* key, Read read) const
    {
        return has(key) ? std::optional<T>(read(key)) : std::nullopt;
    }

    std::string name(const char* key) const { return prefix_.empty() ? key : prefix_ + "." + key; }

private:
    const json& object_;
    std::string prefix_;
};

Design readFields(const json& root, std::string_view sep)
{
    const Reader r(root);
    if (!root.is_object() || !root.contains("format") || root["format"] != kFormat)
        throw Bad{Fault::NotADesign, {}};
    const json& version = r.value("version");
    if (!version.is_number_integer() || version.get<long long>() < 1)
        throw Bad{Fault::WrongKind, "version"};
    if (version.get<long long>() > kVersion)
        throw Bad{Fault::NewerVersion, "version"};
    Design d;
    for (std::size_t i = 0; i < kInputKeys.size(); ++i)
        d.inputs[i] = replaced(r.text(kInputKeys[i], kMaxText), ".", sep);
    d.coreType = int(r.whole("type", -1, 1));
    if (r.text("sep", 1) != ".")
        throw Bad{Fault::OutOfRange, "sep"};

    if (r.has("windings")) {
        const json& list = r.value("windings");
        if (!list.is_array())
            throw Bad{Fault::WrongKind, "windings"};
        if (list.size() > kMaxWindings)
            throw Bad{Fault::OutOfRange, "windings"};
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = "windings[" + std::to_string(i + 1) + "]";
            if (!list[i].is_object())
                throw Bad{Fault::WrongKind, at};
            const Reader w(list[i], at);
            windings::Winding winding;
            winding.name = w.has("name") ? w.text("name", kMaxText) : std::string();
            winding.turns = w.whole("turns", 1, windings::kMaxTurns);
            winding.wire = w.number("wire", windings::kMinWire, windings::kMaxWire);
            winding.between = w.has("between") ? w.number("between", 0, windings::kMaxInsulation) : 0;
            winding.over = w.has("over") ? w.number("over", 0, windings::kMaxInsulation) : 0;
            if (w.has("layer"))
                winding.layerFactor = w.number("layer", windings::kMinFactor, windings::kMaxFactor);
            d.windings.push_back(std::move(winding));
        }
    }
    if (r.has("winding_factors")) {
        const json& object = r.value("winding_factors");
        if (!object.is_object())
            throw Bad{Fault::WrongKind, "winding_factors"};
        const Reader f(object, "winding_factors");
        if (f.has("margin"))
            d.factors.margin = f.number("margin", 0, windings::kMaxMargin);
        if (f.has("bulge"))
            d.factors.bulge = f.number("bulge", windings::kMinFactor, windings::kMaxFactor);
    }
    TemplateSettings& t = d.templateSettings;
    const auto mm = [&r](double low, double high) { return [&r, low, high](const char* k) { return r.number(k, low, high); }; };
    const auto yesNo = [&r](const char* k) { return r.flag(k); };
    t.bobbins = r.optional<int>("bobbins", [&r](const char* k) { return int(r.whole(k, 1, 4)); });
    t.clearance = r.optional<double>("clearance", mm(0, 1));
    t.kerf = r.optional<double>("kerf", mm(0, 1));
    t.cutter = r.optional<bool>("cutter", yesNo);
    t.sheetWidth = r.optional<double>("sheet_width", mm(10, 3000));
    t.sheetHeight = r.optional<double>("sheet_height", mm(10, 3000));
    t.gap = r.optional<double>("gap", mm(0, 50));
    t.labels = r.optional<bool>("labels", yesNo);
    return d;
}

// Line and column, from 1, of the byte at `offset` (from 0).
std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view bytes, std::size_t offset)
{
    offset = std::min(offset, bytes.size());
    const std::string_view before = bytes.substr(0, offset);
    const std::size_t line = std::size_t(std::count(before.begin(), before.end(), '\n')) + 1;
    const std::size_t start = before.rfind('\n');
    const std::size_t column = offset - (start == std::string_view::npos ? 0 : start + 1) + 1;
    return {line, column};
}

}  // namespace

std::variant<Design, ReadError> readDesign(std::string_view bytes, std::string_view sep)
{
    if (bytes.size() > kMaxFileSize)
        return ReadError{Fault::TooLarge, {}};
    json root;
    try {
        root = json::parse(bytes);
    } catch (const json::parse_error& e) {
        // e.byte counts from 1 and points at the byte that broke the syntax.
        const auto [line, column] = lineAndColumn(bytes, e.byte > 0 ? e.byte - 1 : 0);
        return ReadError{Fault::NotJson, {}, line, column};
    } catch (const json::exception&) {
        return ReadError{Fault::NotJson, {}, 0, 0};
    }
    try {
        return readFields(root, sep);
    } catch (const Bad& bad) {
        return ReadError{bad.fault, bad.key};
    }
}

std::string writeDesign(const Design& d, std::string_view sep)
{
    ordered_json j = {{"format", kFormat}, {"version", kVersion}};
    for (std::size_t i = 0; i < kInputKeys.size(); ++i)
        j[kInputKeys[i]] = replaced(d.inputs[i], sep, ".");
    j["type"] = d.coreType;
    j["sep"] = ".";
    ordered_json list = ordered_json::array();
    for (const windings::Winding& w : d.windings) {
        ordered_json o = {{"name", w.name}, {"turns", w.turns}, {"wire", w.wire}, {"between", w.between}, {"over", w.over}};
        if (w.layerFactor)
            o["layer"] = *w.layerFactor;
        list.push_back(std::move(o));
    }
    j["windings"] = std::move(list);
    j["winding_factors"] = {{"margin", d.factors.margin}, {"bulge", d.factors.bulge}};
    const TemplateSettings& t = d.templateSettings;
    const auto put = [&j](const char* key, const auto& value) {
        if (value)
            j[key] = *value;
    };
    put("bobbins", t.bobbins);
    put("clearance", t.clearance);
    put("kerf", t.kerf);
    put("cutter", t.cutter);
    put("sheet_width", t.sheetWidth);
    put("sheet_height", t.sheetHeight);
    put("gap", t.gap);
    put("labels", t.labels);
    return j.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace) + "\n";
}

}  // namespace vintorp::design
