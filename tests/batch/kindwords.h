// Words that name a refusal's or a fault's kind and arguments instead of
// wording them: the batch library passes kinds on, and its tests check what
// it passes. The words themselves are the language layer's, tested there.
#pragma once

#include "batch/batch_case.h"

#include <string>
#include <string_view>

namespace vintorp::batch {

inline std::string Refusal(TemplateRefusal refusal, std::string_view key = "template")
{
    return "refusal " + std::to_string(int(refusal)) + " of " + std::string(key);
}

inline std::string Fault(WindingsFault fault, int winding = 0, std::string_view name = {})
{
    return "fault " + std::to_string(int(fault)) + " of " + std::to_string(winding) + " " + std::string(name);
}

inline std::string NoRoom(std::string_view length, std::string_view depth)
{
    return "no room " + std::string(length) + " " + std::string(depth);
}

inline std::string Transformer(TransformerFault fault, std::string_view key = {}, std::string_view value = {},
                               int winding = 0)
{
    return "transformer " + std::to_string(int(fault)) + " of " + std::string(key) + " " + std::string(value)
           + " " + std::to_string(winding);
}

inline RunOptions KindWords()
{
    RunOptions options;
    options.word_refusal
        = [](TemplateRefusal refusal, std::string_view key) { return Refusal(refusal, key); };
    options.word_windings
        = [](WindingsFault fault, int winding, std::string_view name) { return Fault(fault, winding, name); };
    options.word_no_room = NoRoom;
    options.word_transformer
        = [](const TransformerIssue& i) { return Transformer(i.fault, i.key, i.value, i.winding); };
    return options;
}

}  // namespace vintorp::batch
