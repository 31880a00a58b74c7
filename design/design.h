// A design file (.vintorp): what the user typed and chose, so that a bobbin
// can be opened again. It is one line of UTF-8 JSON with the keys of a batch
// line, so that `vintorp-batch < design.vintorp` calculates it as it is:
//
//   {"format":"vintorp-design","version":1,"A":"20","B":"25","C":"10","H":"30",
//    "K":"0","T":"1","type":0,"sep":".","windings":[...],"winding_factors":{...},
//    "bobbins":1,...}
//
// The six texts are stored with "." as their decimal separator, whatever the
// user's; a design reads back with the separator of the reader's choice.
#pragma once

#include "windings/buildup.h"

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
inline constexpr std::size_t kMaxText = 100;  // characters of one of the six texts
inline constexpr std::size_t kMaxWindings = 1000;

// The template's settings as the user last chose them; absent: the defaults.
struct TemplateSettings {
    std::optional<int> bobbins;  // 1 to 4
    std::optional<double> clearance;  // mm, 0 to 1
    std::optional<double> kerf;  // mm, 0 to 1
    std::optional<bool> cutter;
    std::optional<double> sheetWidth, sheetHeight;  // mm, 10 to 3000
    std::optional<double> gap;  // mm, 0 to 50
    std::optional<bool> labels;
    bool operator==(const TemplateSettings&) const = default;
};

struct Design {
    std::array<std::string, 6> inputs;  // A, B, C, H, K, T, with the separator of the reader or writer
    int coreType = 0;  // -1, 0 or 1
    std::vector<windings::Winding> windings;
    windings::Factors factors;
    TemplateSettings templateSettings;
};

// Why a file is no design, and where.
enum class Fault {
    TooLarge,  // more than kMaxFileSize bytes
    NotJson,  // line and column say where
    NotADesign,  // not an object with "format": "vintorp-design"
    NewerVersion,  // "version" greater than kVersion
    WrongKind,  // key: a value of the wrong kind
    OutOfRange,  // key: a value out of its range
};
struct ReadError {
    Fault fault;
    std::string key;  // "windings[2].wire" …; empty for the file as a whole
    std::size_t line = 0, column = 0;  // of a syntax error, from 1
};

// The design in `bytes`, its texts turned to `sep`.
std::variant<Design, ReadError> readDesign(std::string_view bytes, std::string_view sep);

// The file's bytes: one line, with its end; the texts' `sep` stored as ".".
std::string writeDesign(const Design& design, std::string_view sep);

}  // namespace vintorp::design
