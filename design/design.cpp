#include "design/design.h"

#include "calc/bobbin.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vintorp::design {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr const char* kFormat = "vintorp-design";

// ---- The table of keys ----------------------------------------------------

enum class Kind {
    Format,  // "format": a text; "vintorp-design" makes a design
    Version,  // a whole number from 1
    Input,  // one of the six texts
    CoreType,  // a whole number from -1 to 1
    Sep,  // one character; "." in a design
    Path,  // a text, the batch's template file
    Whole,  // a template setting, a whole number
    Number,  // a template setting, a number
    Flag,  // a template setting, true or false
    Windings,  // a list of windings
    Factors,  // the winding factors, an object
    Transformer,  // the transformer's inputs, an object
};

struct Key {
    std::string_view name;
    Kind kind;
    double low = 0, high = 0;  // a number's range
    int input = -1;  // Kind::Input: the field, as calc::InputField
    std::optional<int> TemplateSettings::*whole = nullptr;
    std::optional<double> TemplateSettings::*number = nullptr;
    std::optional<bool> TemplateSettings::*flag = nullptr;
};

constexpr Key input(std::string_view name, calc::InputField field)
{
    return {name, Kind::Input, 0, 0, int(field)};
}
constexpr Key whole(std::string_view name, double low, double high, std::optional<int> TemplateSettings::*to)
{
    return {name, Kind::Whole, low, high, -1, to};
}
constexpr Key number(std::string_view name, double low, double high,
                     std::optional<double> TemplateSettings::*to)
{
    return {name, Kind::Number, low, high, -1, nullptr, to};
}
constexpr Key flag(std::string_view name, std::optional<bool> TemplateSettings::*to)
{
    return {name, Kind::Flag, 0, 0, -1, nullptr, nullptr, to};
}

using calc::InputField;
using TS = TemplateSettings;
constexpr std::array kKeys = {
    Key{"format", Kind::Format},
    Key{"version", Kind::Version, 1, std::numeric_limits<double>::max()},
    input("A", InputField::A),
    input("B", InputField::B),
    input("C", InputField::C),
    input("H", InputField::H),
    input("K", InputField::K),
    input("T", InputField::T),
    Key{"type", Kind::CoreType, -1, 1},
    Key{"sep", Kind::Sep},
    Key{"template", Kind::Path},
    whole("bobbins", 1, kMaxBobbins, &TS::bobbins),
    number("clearance", 0, kMaxAllowance, &TS::clearance),
    number("kerf", 0, kMaxAllowance, &TS::kerf),
    flag("cutter", &TS::cutter),
    number("sheet_width", kSmallestSheet, kLargestSheet, &TS::sheetWidth),
    number("sheet_height", kSmallestSheet, kLargestSheet, &TS::sheetHeight),
    number("gap", 0, kMaxCutterGap, &TS::gap),
    flag("labels", &TS::labels),
    flag("cut_only", &TS::cutOnly),
    number("hole", kMinHole, kMaxHole, &TS::hole),
    Key{"windings", Kind::Windings},
    Key{"winding_factors", Kind::Factors},
    Key{"transformer", Kind::Transformer},
};
using KeyValues = std::array<KeyValue, kKeys.size()>;

// A winding's keys and "winding_factors"' keys: where each number goes.
struct WindingKey {
    std::string_view name;
    bool whole;  // a whole number
    bool required;
    double low, high;
    void (*put)(windings::Winding&, double);
};
// "wire" is needed unless "copper" is given (see readWinding).
const std::array kWindingKeys = {
    WindingKey{"turns", true, true, 1, double(windings::kMaxTurns),
               [](windings::Winding& w, double v) { w.turns = std::abs(v) <= 1e12 ? long(v) : 0; }},
    WindingKey{"wire", false, false, windings::kMinWire, windings::kMaxWire,
               [](windings::Winding& w, double v) { w.wire = v; }},
    WindingKey{"between", false, false, 0, windings::kMaxInsulation,
               [](windings::Winding& w, double v) { w.between = v; }},
    WindingKey{"over", false, false, 0, windings::kMaxInsulation,
               [](windings::Winding& w, double v) { w.over = v; }},
    WindingKey{"layer", false, false, windings::kMinFactor, windings::kMaxFactor,
               [](windings::Winding& w, double v) { w.layerFactor = v; }},
    WindingKey{"copper", false, false, windings::copperRange().smallest, windings::copperRange().largest,
               [](windings::Winding& w, double v) { w.copper = v; }},
    WindingKey{"grade", true, false, windings::kMinGrade, windings::kMaxGrade,
               [](windings::Winding& w, double v) { w.grade = std::abs(v) <= 1e6 ? int(v) : 0; }},
};
struct FactorKey {
    std::string_view name;
    double low, high;
    double windings::Factors::*to;
};
constexpr std::array kFactorKeys = {
    FactorKey{"margin", 0, windings::kMaxMargin, &windings::Factors::margin},
    FactorKey{"bulge", windings::kMinFactor, windings::kMaxFactor, &windings::Factors::bulge},
    FactorKey{"temperature", windings::kMinTemperature, windings::kMaxTemperature, &windings::Factors::temperature},
};

// The keys of "transformer" and of each of its secondaries, their ranges
// from windings/transformer.h.
using Inputs = windings::TransformerInputs;
struct TransformerKey {
    std::string_view name;
    double low, high;
    double Inputs::*number = nullptr;
    int Inputs::*whole = nullptr;
};
constexpr std::array kTransformerKeys = {
    TransformerKey{"mains", windings::kMinMains, windings::kMaxMains, &Inputs::mains},
    TransformerKey{"frequency", windings::kMinFrequency, windings::kMaxFrequency, &Inputs::frequency},
    TransformerKey{"flux", windings::kMinFlux, windings::kMaxFlux, &Inputs::flux},
    TransformerKey{"stacking", windings::kMinStacking, windings::kMaxStacking, &Inputs::stacking},
    TransformerKey{"density", windings::kMinDensity, windings::kMaxDensity, &Inputs::density},
    TransformerKey{"grade", windings::kMinGrade, windings::kMaxGrade, nullptr, &Inputs::grade},
    TransformerKey{"temperature", windings::kMinTemperature, windings::kMaxTemperature, &Inputs::temperature},
    TransformerKey{"core_loss", windings::kMinCoreLoss, windings::kMaxCoreLoss, &Inputs::coreLoss},
    TransformerKey{"between", 0, windings::kMaxInsulation, &Inputs::between},
    TransformerKey{"over", 0, windings::kMaxInsulation, &Inputs::over},
};
constexpr std::string_view kSecondaries = "secondaries";
struct SecondaryKey {
    std::string_view name;
    double low, high;
    double windings::Secondary::*to;
};
constexpr std::array kSecondaryKeys = {
    SecondaryKey{"volts", windings::kMinVolts, windings::kMaxVolts, &windings::Secondary::volts},
    SecondaryKey{"amps", windings::kMinAmps, windings::kMaxAmps, &windings::Secondary::amps},
};

// ---- Reading the keys' values -----------------------------------------------

// Of the values of "windings", "winding_factors" and "transformer" only so
// much is built: at most kMaxWindings plain values, arrays or objects a level,
// two levels deep (an array of objects of plain values), "transformer" three
// (its secondaries).
constexpr std::size_t kMaxTreeLevels = 2, kMaxTransformerLevels = 3;
constexpr std::size_t kMaxTreeElements = kMaxWindings;

// Reads bytes as the JSON reader's events, keeping only the values of the
// table's keys of a top-level object; as the reader, the last of repeated
// keys counts. Everything else, however large or deeply nested, is passed
// over without being built: beyond the bytes themselves, reading costs the
// reader's buffers for the longest string or number (about twice its size)
// and one bit a level of nesting, and nothing recurses.
class KeyEvents {
public:
    bool null() { return building() ? added(nullptr) : value(); }
    bool boolean(bool v) { return building() ? added(v) : value({}, {}, v); }
    bool number_integer(json::number_integer_t v) { return building() ? added(v) : value({}, double(v)); }
    bool number_unsigned(json::number_unsigned_t v) { return building() ? added(v) : value({}, double(v)); }
    bool number_float(json::number_float_t v, const json::string_t&)
    {
        return building() ? added(v) : value({}, v);
    }
    bool string(json::string_t& s)
    {
        if (building())
            return added(std::move(s));
        return wanted() ? value(std::move(s)) : true;
    }
    bool binary(json::binary_t&) { return value(); }
    bool start_object(std::size_t) { return open(true); }
    bool start_array(std::size_t) { return open(false); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }
    bool key(json::string_t& name)
    {
        if (building()) {
            key_ = std::move(name);
        } else if (depth_ == 1) {
            const auto found
                = std::find_if(kKeys.begin(), kKeys.end(), [&](const Key& k) { return k.name == name; });
            current_ = std::size_t(found - kKeys.begin());
        }
        return true;
    }
    bool parse_error(std::size_t position, const std::string&, const json::parse_error&)
    {
        return fail(Fault::NotJson, position);
    }
    // The reader's one range error: a number beyond the range of a double.
    bool parse_error(std::size_t position, const std::string&, const json::out_of_range&)
    {
        return fail(Fault::NumberTooLarge, position);
    }
    bool parse_error(std::size_t position, const std::string&, const json::exception&)
    {
        return fail(Fault::NotJson, position);
    }

    bool isObject() const { return is_object_; }
    Fault problem() const { return fault_; }
    std::size_t position() const { return position_; }
    KeyValues& values() { return values_; }

private:
    // A value directly under one of the table's keys.
    bool wanted() const { return is_object_ && depth_ == 1 && current_ < values_.size(); }

    bool value(std::optional<std::string> text = {}, std::optional<double> number = {},
               std::optional<bool> flag = {})
    {
        if (wanted())
            values_[current_] = {true, std::move(text), number, flag, std::nullopt, false};
        return true;
    }

    bool open(bool object)
    {
        if (depth_ == 0)
            is_object_ = object;
        if (building()) {
            if (skipped_ == 0 && building_.size() < tree_levels_
                && add(object ? json::object() : json::array())) {
                json& parent = *building_.back();
                building_.push_back(parent.is_array() ? &parent.back() : &parent[key_]);
            } else {
                add(nullptr);  // deeper than a case reads, or past its limit: noted, not built
                ++skipped_;
            }
        } else if (wanted()
                   && (kKeys[current_].kind == Kind::Windings || kKeys[current_].kind == Kind::Factors
                       || kKeys[current_].kind == Kind::Transformer)) {
            tree_ = object ? json::object() : json::array();
            building_ = {&tree_};
            tree_key_ = current_;
            tree_levels_ = kKeys[current_].kind == Kind::Transformer ? kMaxTransformerLevels : kMaxTreeLevels;
        } else {
            value();  // an array or object under another key of the table: the wrong kind
        }
        ++depth_;
        return true;
    }

    bool close()
    {
        --depth_;
        if (skipped_ > 0) {
            --skipped_;
        } else if (!building_.empty()) {
            building_.pop_back();
            if (building_.empty()) {
                values_[tree_key_] = {true, {}, {}, {}, std::move(tree_), truncated_};
                truncated_ = false;
            }
        }
        return true;
    }

    // Inside the value of "windings", "winding_factors" or "transformer".
    bool building() const { return !building_.empty(); }

    // A plain value into the tree; the reader goes on whether it fitted or not.
    bool added(json value)
    {
        add(std::move(value));
        return true;
    }

    // Whether it was added.
    bool add(json value)
    {
        if (skipped_ > 0)
            return false;
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

    bool fail(Fault fault, std::size_t position)
    {
        fault_ = fault;
        position_ = position;
        return false;
    }

    std::size_t depth_ = 0;  // arrays and objects open around the next value
    bool is_object_ = false;
    std::size_t current_ = kKeys.size();  // the table's key of the next value at depth 1, or none
    KeyValues values_;
    Fault fault_ = Fault::NotJson;
    std::size_t position_ = 0;
    json tree_;  // the value of "windings", "winding_factors" or "transformer" being built
    std::size_t tree_key_ = 0;
    std::size_t tree_levels_ = kMaxTreeLevels;  // how deep it is built
    std::vector<json*> building_;  // its open arrays and objects, innermost last
    std::size_t skipped_ = 0;  // levels inside it too deep to build
    std::string key_;  // the key of its next value, in an object
    bool truncated_ = false;
};

// ---- Checking them ------------------------------------------------------------

// A value out of place: thrown while a case is read, caught at its end.
struct Bad {
    ReadError error;
};

[[noreturn]] void refuse(Fault fault, std::string key)
{
    throw Bad{{fault, std::move(key)}};
}

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

bool isWhole(double d)
{
    return d == std::floor(d);
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

ReadError placed(Fault fault, std::string_view bytes, std::size_t offset)
{
    const auto [line, column] = lineAndColumn(bytes, offset);
    return {fault, {}, line, column, std::min(offset, bytes.size()) + 1};
}

// The text of a key that must hold one.
std::string textOf(KeyValue& v, const Key& key)
{
    if (!v.present)
        refuse(Fault::Missing, std::string(key.name));
    if (!v.text)
        refuse(Fault::WrongKind, std::string(key.name));
    return std::move(*v.text);
}

// A number in [low, high], whole if asked; absent: nothing, unless required.
std::optional<double> numberOf(const KeyValue& v, std::string_view name, double low, double high, bool whole,
                               bool required)
{
    if (!v.present) {
        if (required)
            refuse(Fault::Missing, std::string(name));
        return std::nullopt;
    }
    if (!v.number || (whole && !isWhole(*v.number)))
        refuse(Fault::WrongKind, std::string(name));
    if (!(*v.number >= low && *v.number <= high))
        refuse(Fault::OutOfRange, std::string(name));
    return *v.number;
}

// A template setting into `s`. A batch line's ranges are the template
// writer's to check; its kinds are checked here, the bobbins' size too so
// that it fits an int.
void readSetting(const KeyValue& v, const Key& key, bool design, TemplateSettings& s)
{
    if (!v.present)
        return;
    switch (key.kind) {
    case Kind::Whole:
        s.*key.whole
            = int(*numberOf(v, key.name, design ? key.low : -1e6, design ? key.high : 1e6, true, false));
        return;
    case Kind::Number:
        s.*key.number = *numberOf(v, key.name, design ? key.low : -std::numeric_limits<double>::infinity(),
                                  design ? key.high : std::numeric_limits<double>::infinity(), false, false);
        return;
    case Kind::Flag:
        if (!v.flag)
            refuse(Fault::WrongKind, std::string(key.name));
        s.*key.flag = *v.flag;
        return;
    default: return;
    }
}

Case readKeys(KeyValues& values, Source source)
{
    Case c;
    KeyValue& format = values[0];
    c.isDesign = source == Source::DesignFile || (format.text && *format.text == kFormat);
    const bool design = c.isDesign;
    if (design && !(format.text && *format.text == kFormat))
        refuse(Fault::NotADesign, {});
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const Key& key = kKeys[i];
        KeyValue& v = values[i];
        switch (key.kind) {
        case Kind::Format: break;
        case Kind::Version:
            if (design && *numberOf(v, key.name, key.low, key.high, true, true) > kVersion)
                refuse(Fault::NewerVersion, std::string(key.name));
            break;
        case Kind::Input: {
            std::string text = textOf(v, key);
            if (design) {
                if (text.find(',') != std::string::npos)
                    refuse(Fault::DecimalComma, std::string(key.name));
                const std::size_t limit = calc::inputFieldLength(InputField(key.input));
                if (const std::size_t length = characters(text); length > limit)
                    throw Bad{{Fault::TooLong, std::string(key.name), 0, 0, 0, length, limit}};
            }
            c.design.inputs[std::size_t(key.input)] = std::move(text);
            break;
        }
        case Kind::CoreType: {
            c.design.coreType = int(*numberOf(v, key.name, key.low, key.high, true, true));
            break;
        }
        case Kind::Sep:
            c.sep = textOf(v, key);
            if (design ? c.sep != "." : characters(c.sep) != 1)
                refuse(Fault::OutOfRange, std::string(key.name));
            break;
        case Kind::Path: c.templatePath = std::move(v); break;
        case Kind::Whole:
        case Kind::Number:
        case Kind::Flag:
            if (design) {
                readSetting(v, key, true, c.design.templateSettings);
            } else if (!c.settingsFault) {
                try {
                    readSetting(v, key, false, c.design.templateSettings);
                } catch (const Bad& bad) {
                    c.settingsFault = bad.error;
                }
            }
            break;
        case Kind::Windings: c.windings = std::move(v); break;
        case Kind::Factors: c.windingFactors = std::move(v); break;
        case Kind::Transformer: c.transformer = std::move(v); break;
        }
    }
    if (!design) {
        // The transformer's windings would take the place of the line's own.
        if (c.transformer.present && c.windings.present)
            throw Bad{{Fault::Together, "transformer", 0, 0, 0, 0, 0, "windings"}};
        return c;
    }
    // A design's windings, each refusing the whole file.
    if (c.windings.present) {
        if (!c.windings.tree || !c.windings.tree->is_array())
            refuse(Fault::WrongKind, "windings");
        if (c.windings.truncated)
            refuse(Fault::OutOfRange, "windings");
        json list = *c.windings.tree;  // the tree stays for the batch's answer
        for (std::size_t i = 0; i < list.size(); ++i) {
            auto w = readWinding(list[i], "windings[" + std::to_string(i + 1) + "]", Source::DesignFile);
            if (auto* error = std::get_if<ReadError>(&w))
                throw Bad{std::move(*error)};
            c.design.windings.push_back(std::move(std::get<windings::Winding>(w)));
        }
    }
    if (c.windingFactors.present) {
        if (!c.windingFactors.tree || !c.windingFactors.tree->is_object() || c.windingFactors.truncated)
            refuse(Fault::WrongKind, "winding_factors");
        auto f = readFactors(*c.windingFactors.tree, Source::DesignFile);
        if (auto* error = std::get_if<ReadError>(&f))
            throw Bad{std::move(*error)};
        c.design.factors = std::get<windings::Factors>(f);
    }
    if (c.transformer.present) {
        if (!c.transformer.tree)
            refuse(Fault::WrongKind, "transformer");
        auto t = readTransformer(*c.transformer.tree, c.transformer.truncated);
        if (auto* problem = std::get_if<TransformerProblem>(&t))
            throw Bad{std::move(problem->error)};
        c.design.transformer = std::move(std::get<windings::TransformerInputs>(t));
    }
    return c;
}

// A value as a message quotes it: a number as JSON writes it, a text's first
// kMaxQuoted characters (and "…"), a list or an object by its brackets only.
constexpr std::size_t kMaxQuoted = 40;
std::string quoted(const json& value)
{
    if (value.is_array())
        return "[…]";
    if (value.is_object())
        return "{…}";
    if (!value.is_string())
        return value.dump(-1, ' ', false, json::error_handler_t::replace);
    const std::string& text = value.get_ref<const std::string&>();
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && characters++ == kMaxQuoted) {
            const json shortened = text.substr(0, at);
            return shortened.dump(-1, ' ', false, json::error_handler_t::replace) + "…";
        }
    }
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

// Thrown while a "transformer" object is read.
struct TransformerBad {
    TransformerProblem problem;
};

[[noreturn]] void refuseTransformer(Fault fault, std::string key, TransformerProblem::Holds holds,
                                    std::string value = {}, double low = 0, double high = 0)
{
    throw TransformerBad{{{fault, std::move(key)}, holds, std::move(value), low, high}};
}

// The number under `name` in `object`, or nothing when it is not there.
std::optional<double> transformerNumber(const json& object, std::string_view name, const std::string& at,
                                        double low, double high, bool whole, bool required)
{
    const auto it = object.find(name);
    const std::string key = at + "." + std::string(name);
    using Holds = TransformerProblem::Holds;
    const Holds holds = whole ? Holds::Whole : Holds::Number;
    if (it == object.end()) {
        if (required)
            refuseTransformer(Fault::Missing, key, holds, {}, low, high);
        return std::nullopt;
    }
    if (!it->is_number() || (whole && !isWhole(it->get<double>())))
        refuseTransformer(Fault::WrongKind, key, holds, quoted(*it), low, high);
    const double v = it->get<double>();
    if (!(v >= low && v <= high))
        refuseTransformer(Fault::OutOfRange, key, holds, quoted(*it), low, high);
    return v;
}

KeyValue valueOf(const json& object, std::string_view name)
{
    const auto it = object.find(name);
    if (it == object.end())
        return {};
    KeyValue v;
    v.present = true;
    if (it->is_number())
        v.number = it->get<double>();
    return v;
}

// A number of a winding or of the factors: a design checks it; a batch line
// makes one of the wrong kind NaN, for the build-up's range check to refuse.
std::optional<double> numberAt(const json& object, std::string_view name, const std::string& at, double low,
                               double high, bool whole, bool required, Source source)
{
    const KeyValue v = valueOf(object, name);
    const std::string key = at.empty() ? std::string(name) : at + "." + std::string(name);
    if (source == Source::DesignFile)
        return numberOf(v, key, low, high, whole, required);
    if (!v.present)
        return required ? std::optional(std::numeric_limits<double>::quiet_NaN()) : std::nullopt;
    if (!v.number || (whole && !isWhole(*v.number)))
        return std::numeric_limits<double>::quiet_NaN();
    return v.number;
}

}  // namespace

std::variant<windings::Winding, ReadError> readWinding(json& object, const std::string& at, Source source)
{
    try {
        if (!object.is_object())
            refuse(Fault::WrongKind, at);
        windings::Winding w;
        if (const auto name = object.find("name"); name != object.end()) {
            if (!name->is_string()
                || (source == Source::DesignFile
                    && characters(name->get_ref<const std::string&>()) > windings::kMaxName))
                refuse(name->is_string() ? Fault::OutOfRange : Fault::WrongKind, at + ".name");
            w.name = std::move(name->get_ref<std::string&>());
        }
        for (const WindingKey& key : kWindingKeys) {
            if (const auto v
                = numberAt(object, key.name, at, key.low, key.high, key.whole, key.required, source))
                key.put(w, std::isnan(*v) && key.whole ? 0 : *v);
        }
        // A line's winding with neither is the build-up's to name (Problem::NoWire).
        if (!w.wire && !w.copper && source == Source::DesignFile)
            refuse(Fault::Missing, at + ".wire");
        return w;
    } catch (const Bad& bad) {
        return bad.error;
    }
}

std::variant<windings::Factors, ReadError> readFactors(const json& object, Source source)
{
    try {
        windings::Factors f;
        for (const FactorKey& key : kFactorKeys) {
            if (const auto v
                = numberAt(object, key.name, "winding_factors", key.low, key.high, false, false, source))
                f.*key.to = *v;
        }
        return f;
    } catch (const Bad& bad) {
        return bad.error;
    }
}

std::variant<windings::TransformerInputs, TransformerProblem> readTransformer(const json& object,
                                                                              bool truncated)
{
    using Holds = TransformerProblem::Holds;
    const std::string at = "transformer";
    try {
        if (!object.is_object())
            refuseTransformer(Fault::WrongKind, at, Holds::Object, quoted(object));
        if (truncated)
            refuseTransformer(Fault::OutOfRange, at, Holds::Less, {}, 0, double(kMaxTreeElements));
        windings::TransformerInputs t;
        for (const TransformerKey& key : kTransformerKeys) {
            if (const auto v
                = transformerNumber(object, key.name, at, key.low, key.high, key.whole != nullptr, false)) {
                if (key.whole)
                    t.*key.whole = int(*v);
                else
                    t.*key.number = *v;
            }
        }
        const std::string list = at + "." + std::string(kSecondaries);
        const double fewest = double(windings::kMinSecondaries), most = double(windings::kMaxSecondaries);
        const auto secondaries = object.find(kSecondaries);
        if (secondaries == object.end())
            refuseTransformer(Fault::Missing, list, Holds::Secondaries, {}, fewest, most);
        if (!secondaries->is_array())
            refuseTransformer(Fault::WrongKind, list, Holds::Secondaries, quoted(*secondaries), fewest, most);
        if (secondaries->size() < windings::kMinSecondaries
            || secondaries->size() > windings::kMaxSecondaries)
            refuseTransformer(Fault::OutOfRange, list, Holds::Secondaries,
                              std::to_string(secondaries->size()), fewest, most);
        for (std::size_t i = 0; i < secondaries->size(); ++i) {
            const json& s = (*secondaries)[i];
            const std::string here = list + "[" + std::to_string(i + 1) + "]";
            if (!s.is_object())
                refuseTransformer(Fault::WrongKind, here, Holds::Object, quoted(s));
            windings::Secondary secondary;
            if (const auto name = s.find("name"); name != s.end()) {
                if (!name->is_string())
                    refuseTransformer(Fault::WrongKind, here + ".name", Holds::Name, quoted(*name), 0,
                                      double(windings::kMaxName));
                const std::string& text = name->get_ref<const std::string&>();
                if (const std::size_t length = characters(text); length > windings::kMaxName)
                    refuseTransformer(Fault::OutOfRange, here + ".name", Holds::Name, std::to_string(length),
                                      0, double(windings::kMaxName));
                secondary.name = text;
            }
            for (const SecondaryKey& key : kSecondaryKeys)
                secondary.*key.to = *transformerNumber(s, key.name, here, key.low, key.high, false, true);
            t.secondaries.push_back(std::move(secondary));
        }
        return t;
    } catch (const TransformerBad& bad) {
        return bad.problem;
    }
}

std::variant<Case, ReadError> readCase(std::string_view bytes, Source source)
{
    if (source == Source::DesignFile) {
        if (bytes.size() > kMaxFileSize)
            return ReadError{Fault::TooLarge, {}};
        if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
            return ReadError{Fault::Empty, {}};
    }
    // The JSON reader would take a NUL byte for the end of its input.
    if (const auto nul = bytes.find('\0'); nul != std::string_view::npos)
        return placed(Fault::NulByte, bytes, nul);
    KeyEvents events;
    if (!json::sax_parse(bytes, &events)) {
        // The reader's position counts from 1 and points past the byte that broke the syntax.
        const std::size_t at = events.position();
        return placed(events.problem(), bytes, at > 0 ? at - 1 : 0);
    }
    if (!events.isObject())
        return ReadError{source == Source::DesignFile ? Fault::NotADesign : Fault::NotAnObject, {}};
    try {
        return readKeys(events.values(), source);
    } catch (const Bad& bad) {
        return bad.error;
    }
}

ValueKind valueKind(std::string_view key)
{
    for (const Key& k : kKeys) {
        if (k.name != key)
            continue;
        switch (k.kind) {
        case Kind::Whole:
        case Kind::Version:
        case Kind::CoreType: return ValueKind::Whole;
        case Kind::Number: return ValueKind::Number;
        case Kind::Flag: return ValueKind::Flag;
        default: return ValueKind::Other;
        }
    }
    return ValueKind::Other;
}

std::string readErrorText(const ReadError& e)
{
    const std::string key = "key \"" + e.key + "\"";
    const auto kindOf = [&e]() -> std::optional<Kind> {
        const std::string_view name = std::string_view(e.key).substr(0, e.key.find_first_of(".["));
        for (const Key& k : kKeys) {
            if (k.name == name)
                return e.key.size() == name.size() ? std::optional(k.kind) : std::nullopt;
        }
        return std::nullopt;
    };
    switch (e.fault) {
    case Fault::TooLarge: return "the file is larger than " + std::to_string(kMaxFileSize >> 20) + " MB";
    case Fault::Empty: return "the file is empty";
    case Fault::NotJson: return "not valid JSON (at byte " + std::to_string(e.byte) + ")";
    case Fault::NulByte: return "not valid JSON (NUL at byte " + std::to_string(e.byte) + ")";
    case Fault::NumberTooLarge: return "not valid JSON (a number out of range)";
    case Fault::NotAnObject: return "not a JSON object";
    case Fault::NotADesign: return "not a Vintorp design";
    case Fault::NewerVersion: return "the design was saved by a newer version of the program";
    case Fault::Missing: return "missing key \"" + e.key + "\"";
    case Fault::WrongKind:
        switch (kindOf().value_or(Kind::Number)) {
        case Kind::CoreType: return key + " must be 0, 1 or -1";
        case Kind::Input:
        case Kind::Sep:
        case Kind::Path:
        case Kind::Format: return key + " must be a string";
        case Kind::Flag: return key + " must be true or false";
        case Kind::Whole:
        case Kind::Version: return key + " must be a whole number";
        case Kind::Number: return key + " must be a number";
        default: return key + " has a value of the wrong type";
        }
    case Fault::OutOfRange:
        if (kindOf() == Kind::CoreType)
            return key + " must be 0, 1 or -1";
        if (kindOf() == Kind::Sep)
            return key + " must be one character";
        return key + " is out of range";
    case Fault::TooLong:
        return key + " holds " + std::to_string(e.length) + " characters, the field "
               + std::to_string(e.limit);
    case Fault::DecimalComma: return key + " holds \",\": a design stores numbers with \".\"";
    case Fault::Together: return "keys \"" + e.key + "\" and \"" + e.other + "\" cannot be on one line";
    }
    return "not a case";
}

std::variant<Design, ReadError> readDesign(std::string_view bytes, std::string_view sep)
{
    auto read = readCase(bytes, Source::DesignFile);
    if (auto* error = std::get_if<ReadError>(&read))
        return std::move(*error);
    Design d = std::move(std::get<Case>(read).design);
    for (std::string& text : d.inputs)
        text = replaced(text, ".", sep);
    return d;
}

std::string writeDesign(const Design& d, std::string_view sep)
{
    ordered_json j = {{"format", kFormat}, {"version", kVersion}};
    std::size_t input = 0;
    for (const Key& key : kKeys) {
        if (key.kind != Kind::Input)
            continue;
        std::string text = replaced(d.inputs[input++], sep, ".");
        j[std::string(key.name)] = std::move(text);
    }
    j["type"] = d.coreType;
    j["sep"] = ".";
    ordered_json list = ordered_json::array();
    for (const windings::Winding& w : d.windings) {
        ordered_json o = {{"name", w.name}, {"turns", w.turns}};
        if (w.wire)
            o["wire"] = *w.wire;
        if (w.copper) {
            o["copper"] = *w.copper;
            o["grade"] = w.grade;
        }
        o["between"] = w.between;
        o["over"] = w.over;
        if (w.layerFactor)
            o["layer"] = *w.layerFactor;
        list.push_back(std::move(o));
    }
    j["windings"] = std::move(list);
    j["winding_factors"]
        = {{"margin", d.factors.margin}, {"bulge", d.factors.bulge}, {"temperature", d.factors.temperature}};
    if (const auto& t = d.transformer) {
        ordered_json o = ordered_json::object();
        for (const TransformerKey& key : kTransformerKeys) {
            if (key.whole)
                o[std::string(key.name)] = (*t).*key.whole;
            else
                o[std::string(key.name)] = (*t).*key.number;
        }
        ordered_json list = ordered_json::array();
        for (const windings::Secondary& s : t->secondaries) {
            ordered_json secondary = {{"name", s.name}};
            for (const SecondaryKey& key : kSecondaryKeys)
                secondary[std::string(key.name)] = s.*key.to;
            list.push_back(std::move(secondary));
        }
        o[std::string(kSecondaries)] = std::move(list);
        j["transformer"] = std::move(o);
    }
    const TemplateSettings& t = d.templateSettings;
    for (const Key& key : kKeys) {
        const std::string name(key.name);
        if (key.whole && t.*key.whole)
            j[name] = *(t.*key.whole);
        else if (key.number && t.*key.number)
            j[name] = *(t.*key.number);
        else if (key.flag && t.*key.flag)
            j[name] = *(t.*key.flag);
    }
    return j.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace) + "\n";
}

}  // namespace vintorp::design
