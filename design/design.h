// A design file (.vintorp): what the user typed and chose, so that a bobbin
// can be opened again. It is one JSON object with the keys of a batch line,
// so that `vintorp-batch design.vintorp` calculates it as the window opens it:
//
//   {"format":"vintorp-design","version":1,"A":"20","B":"25","C":"10","H":"30",
//    "K":"0","T":"1","type":0,"sep":".","windings":[...],"winding_factors":{...},
//    "transformer":{...},"bobbins":1,...}
//
// The six texts are stored with "." as their decimal separator, whatever the
// user's; a design reads back with the separator of the reader's choice.
//
// A design file and a batch line are read by one reader, through one table
// of keys (design.cpp): each key's name, kind, range and place in a Case are
// written there once. What differs is the Source: a design holds texts that
// fit the window's fields, "." as its separator, and refuses the whole file
// for one bad winding; a batch line carries its own separator, and its
// windings' faults are answered winding by winding.
#pragma once

#include "design/templatesettings.h"
#include "windings/buildup.h"
#include "windings/transformer.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vintorp::design {

inline constexpr int kVersion = 1;
inline constexpr std::size_t kMaxFileSize = 1 << 20;  // bytes
inline constexpr std::size_t kMaxWindings = 1000;

struct Design {
    std::array<std::string, 6> inputs;  // A, B, C, H, K, T, with the separator of the reader or writer
    int coreType = 0;  // -1, 0 or 1
    std::vector<windings::Winding> windings;
    windings::Factors factors;
    // The inputs of the transformer worked out from its voltages; absent:
    // not asked for (the file then has no "transformer").
    std::optional<windings::TransformerInputs> transformer;
    TemplateSettings templateSettings;
};

// Why a file or a line is no design or no case, and where.
enum class Fault {
    TooLarge,  // more than kMaxFileSize bytes
    Empty,  // a file with nothing in it but blanks
    NotJson,  // a syntax error; line and column (and byte) say where
    NulByte,  // a NUL byte, at line and column (and byte)
    NumberTooLarge,  // a number beyond the range of a double, at line and column
    NotAnObject,  // JSON, but not an object
    NotADesign,  // an object without "format": "vintorp-design"
    NewerVersion,  // "version" greater than kVersion
    Missing,  // key: not there
    WrongKind,  // key: a value of the wrong kind
    OutOfRange,  // key: a value out of its range
    TooLong,  // key: a text of `length` characters, longer than its field's `limit`
    DecimalComma,  // key: a number text with ",", where a design stores "."
    Together,  // key and `other`: a batch line may hold only one of them
};
struct ReadError {
    Fault fault;
    std::string key;  // "windings[2].wire" …; empty for the file as a whole
    std::size_t line = 0, column = 0;  // of a syntax error, from 1
    std::size_t byte = 0;  // the same place, counted in bytes from 1
    std::size_t length = 0, limit = 0;  // of TooLong
    std::string other = {};  // of Together
};

// What is read as what.
enum class Source {
    DesignFile,  // a .vintorp file: "format" and "version" needed, "." the separator
    BatchLine,  // a batch line; one that carries "format": "vintorp-design" is read as a design
};

// One value of a key the reader keeps (see KeyValues in design.cpp).
struct KeyValue {
    bool present = false;
    std::optional<std::string> text;
    std::optional<double> number;
    std::optional<bool> flag;
    std::optional<nlohmann::json> tree;  // of "windings", "winding_factors" and "transformer"
    bool truncated = false;  // the tree had more than kMaxWindings elements on a level
};

// A design file or a batch line, read.
struct Case {
    Design design;  // inputs as written; windings and factors only of a design
    std::string sep;  // the inputs' separator
    bool isDesign = false;  // read as a design
    KeyValue templatePath;  // "template", a batch's own key
    KeyValue windings, windingFactors, transformer;  // as given, for the batch's answer
    // A batch line's template setting of the wrong kind, refused with the
    // template; a design refuses the whole file for it instead.
    std::optional<ReadError> settingsFault;
};

// Reads any bytes at all: memory beyond them is taken for the values of the
// table's keys only, so a line of any size and depth costs a few times its
// own size at most.
std::variant<Case, ReadError> readCase(std::string_view bytes, Source source);

// A winding of a "windings" list. A design refuses a value of the wrong kind
// or out of range; a batch line makes a number of the wrong kind one that its
// range check refuses (NaN, or no turns) and refuses only a name of the wrong
// kind. The name is moved out of `object`. `at`: "windings[2]".
std::variant<windings::Winding, ReadError> readWinding(nlohmann::json& object, const std::string& at,
                                                       Source source);
// The factors of "winding_factors", by the same rules.
std::variant<windings::Factors, ReadError> readFactors(const nlohmann::json& object, Source source);

// What is wrong with a "transformer" object: the read error a design is
// refused with, and for the batch tool's words what the key must hold, the
// value as given and its range.
struct TransformerProblem {
    // Missing, WrongKind or OutOfRange of "transformer.flux", "transformer.secondaries[2].amps" …
    ReadError error;
    enum class Holds {
        Object,  // "transformer" or a secondary: an object
        Secondaries,  // a list of `low` to `high` secondaries
        Number,  // a number from `low` to `high`
        Whole,  // a whole number from `low` to `high`
        Name,  // a text of at most `high` characters
        Less,  // at most kMaxWindings values on each level
    } holds;
    std::string value;  // as given, as JSON text (a long text shortened, a list or object as […] or {…}); of
                        // Secondaries their count, of Name its length in characters
    double low = 0, high = 0;
};

// The inputs of a "transformer" object (see windings/transformer.h); the key
// table of design.cpp holds each key's range, from that header's constants,
// for a design and a batch line alike. `truncated`: the object held more
// than the reader builds. Unknown keys are passed over, as everywhere.
std::variant<windings::TransformerInputs, TransformerProblem> readTransformer(const nlohmann::json& object,
                                                                              bool truncated = false);

// The design in `bytes`, its texts turned to `sep`.
std::variant<Design, ReadError> readDesign(std::string_view bytes, std::string_view sep);

// What the value of one of the table's top-level keys must be.
enum class ValueKind { Whole, Number, Flag, Other };
ValueKind valueKind(std::string_view key);

// The English words of a read error, as a batch line is answered.
std::string readErrorText(const ReadError& error);

// The file's bytes: one line, with its end; the texts' `sep` stored as ".".
std::string writeDesign(const Design& design, std::string_view sep);

}  // namespace vintorp::design
