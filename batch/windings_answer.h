// The answer to a case's "windings": whether they fit the bobbin it drew;
// and what the answer to its "transformer" shares with it. Used by
// batch_case.cpp and transformer_answer.cpp only.
#pragma once

#include "batch/batch_case.h"
#include "calc/drawingnumbers.h"
#include "windings/buildup.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vintorp::batch {

// An empty object with room for `members`. An ordered_json object keeps its
// members in a vector whose keys are const, so each time it grows it copies
// them, values and all (a huge name or text too), instead of moving them.
nlohmann::ordered_json objectWithRoom(std::size_t members);

// A name as a message quotes it: its first 40 characters, "…" for the rest.
std::string shortened(std::string_view name);

// The fault a winding's or the factors' problem is worded as.
WindingsFault windingsFault(windings::Problem problem);
std::optional<WindingsFault> windingsFault(windings::FactorProblem problem);

// The answer of a bobbin with no winding room: status "error", the message
// naming its length L and depth D, and those two.
nlohmann::ordered_json noRoomAnswer(const windings::Space& space, const RunOptions& options);

// `windings` and `factors`: the keys' values as read (null when absent);
// `truncated`: "windings" held more than the reader builds; `drawn`: the
// case's drawing numbers, nothing when the calculation did not succeed. The
// windings' names are moved out of `windings`.
nlohmann::ordered_json windingsAnswer(nlohmann::json& windings, bool truncated, const nlohmann::json& factors,
                                      const std::optional<calc::DrawingNumbers>& drawn,
                                      const RunOptions& options);

}  // namespace vintorp::batch
