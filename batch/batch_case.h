// One line of the batch tool: a JSON object with the six input texts, the
// core type and the decimal separator in; one JSON object with the outcome
// and the fourteen drawing texts out. Any line at all gets exactly one answer.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vintorp::calc {
class MemoryView;
}

namespace vintorp::batch {

struct LineResult {
    std::string output;  // one JSON object, without the line end
    bool valid = true;  // false: output carries status "invalid"
    std::string problem;  // what is wrong with an invalid line
};

// An optional key that the caller adds to the line format. When present it
// must hold a string; its action runs after a calculation that shows the
// drawing, with that string and the drawing as the calculation left it, and
// returns an empty text when done or the reason it could not be done (the
// answer then has status "error" and the reason as its message).
struct ExtraKey {
    std::string name;
    std::function<std::string(const std::string& text, const calc::MemoryView& drawing)> action;
};

struct LineOptions {
    std::vector<ExtraKey> extra_keys;
};

LineResult RunLine(std::string_view line, const LineOptions& options = {});

}  // namespace vintorp::batch
