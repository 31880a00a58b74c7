// The answer to a case's "windings": whether they fit the bobbin it drew.
// Used by batch_case.cpp only.
#pragma once

#include "batch/batch_case.h"
#include "calc/memoryview.h"

#include <nlohmann/json.hpp>

#include <string>

namespace vintorp::batch {

// `windings` and `factors`: the keys' values as read (null when absent);
// `truncated`: "windings" held more than the reader builds. The windings'
// names are moved out of `windings`.
nlohmann::ordered_json WindingsAnswer(nlohmann::json& windings, bool truncated, const nlohmann::json& factors,
                                      const std::string& status, const calc::MemoryView& view,
                                      const std::string& sep, const RunOptions& options);

}  // namespace vintorp::batch
