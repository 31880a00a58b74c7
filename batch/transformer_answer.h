// The answer to a case's "transformer": the transformer worked out from its
// voltages on the case's core and built up on the bobbin it drew. Used by
// batch_case.cpp only.
#pragma once

#include "batch/batch_case.h"
#include "calc/drawingnumbers.h"
#include "design/design.h"
#include "windings/transformer.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace vintorp::batch {

// `transformer` and `factors`: the keys' values as read (factors null when
// absent); `core`: the case's core as typed, nothing without a core type;
// `drawn`: the case's drawing numbers, nothing when the calculation did not
// succeed.
nlohmann::ordered_json transformerAnswer(const design::KeyValue& transformer, const nlohmann::json& factors,
                                         const std::optional<windings::Core>& core,
                                         const std::optional<calc::DrawingNumbers>& drawn,
                                         const RunOptions& options);

}  // namespace vintorp::batch
