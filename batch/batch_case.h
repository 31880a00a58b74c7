// One line of the batch tool: a JSON object with the six input texts, the
// core type and the decimal separator in; one JSON object with the outcome
// and the fourteen drawing texts out.
#pragma once

#include <string>
#include <string_view>

namespace vintorp::batch {

struct LineResult {
    std::string output;  // one JSON object, without the line end
    bool valid = true;  // false: output carries status "invalid"
    std::string problem;  // what is wrong with an invalid line
};

LineResult RunLine(std::string_view line);

}  // namespace vintorp::batch
