// A design file (.vintorp): what the user typed and chose, so that a bobbin
// can be opened again. It is one JSON object with the keys of a batch line,
// so that `vintorp-batch design.vintorp` calculates it as the window opens it:
//
//   {"format":"vintorp-design","version":1,"A":"20","B":"25","C":"10","H":"30",
//    "K":"0","T":"1","type":0,"sep":".","windings":[...],"winding_factors":{...},
//    "bobbins":1,...}
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
};
struct ReadError {
    Fault fault;
    std::string key;  // "windings[2].wire" …; empty for the file as a whole
    std::size_t line = 0, column = 0;  // of a syntax error, from 1
    std::size_t byte = 0;  // the same place, counted in bytes from 1
    std::size_t length = 0, limit = 0;  // of TooLong
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
    std::optional<nlohmann::json> tree;  // of "windings" and "winding_factors": an array or object
    bool truncated = false;  // the tree had more than kMaxWindings elements on a level
};

// A design file or a batch line, read.
struct Case {
    Design design;  // inputs as written; windings and factors only of a design
    std::string sep;  // the inputs' separator
    bool isDesign = false;  // read as a design
    KeyValue templatePath;  // "template", a batch's own key
    KeyValue windings, windingFactors;  // as given, for the batch's answer
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
