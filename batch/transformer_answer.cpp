#include "batch/transformer_answer.h"

#include "batch/windings_answer.h"
#include "windings/buildup.h"

#include <string>
#include <string_view>
#include <variant>

namespace vintorp::batch {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;
using Holds = design::TransformerProblem::Holds;

// The fault a problem of reading "transformer" is worded as.
TransformerFault faultOf(const design::TransformerProblem& problem)
{
    if (problem.error.fault == design::Fault::Missing)
        return TransformerFault::Missing;
    const bool wrongKind = problem.error.fault == design::Fault::WrongKind;
    switch (problem.holds) {
    case Holds::Object: return TransformerFault::NotAnObject;
    case Holds::Secondaries:
        return wrongKind ? TransformerFault::SecondariesList : TransformerFault::SecondariesCount;
    case Holds::Number: return TransformerFault::Number;
    case Holds::Whole: return TransformerFault::WholeNumber;
    case Holds::Name: return wrongKind ? TransformerFault::NameText : TransformerFault::NameLength;
    case Holds::Less: return TransformerFault::TooLarge;
    }
    return TransformerFault::NotAnObject;
}

// One winding's answer; a U-type core's also the turns one bobbin carries.
ordered_json windingJson(windings::TransformerWinding& w, bool uType)
{
    ordered_json out = objectWithRoom(14);
    out["name"] = std::move(w.name);
    out["turns"] = w.turns;
    if (uType)
        out["turns_per_bobbin"] = w.turnsPerBobbin;
    out["copper"] = w.copper;
    out["wire"] = w.wire;
    out["amps"] = w.amps;
    out["density"] = w.density;
    out["ohm_20"] = w.ohmsCold;
    out["ohm_hot"] = w.ohmsWarm;
    out["wire_m"] = w.wireMetres;
    out["copper_g"] = w.copperGrams;
    if (w.voltsNoLoad)
        out["volts_no_load"] = *w.voltsNoLoad;
    if (w.regulation)
        out["regulation"] = *w.regulation;
    return out;
}

}  // namespace

ordered_json transformerAnswer(const design::KeyValue& transformer, const json& factors,
                               const std::optional<windings::Core>& core,
                               const std::optional<calc::DrawingNumbers>& drawn, const RunOptions& options)
{
    const auto error = [](const std::string& why) {
        return ordered_json{{"status", "error"}, {"message", why}};
    };
    const auto said = [&options, &error](const TransformerIssue& issue) {
        return error(options.word_transformer ? options.word_transformer(issue) : std::string());
    };
    const auto windingsSaid = [&options, &error](WindingsFault fault, int winding = 0,
                                                 std::string_view name = {}) {
        return error(options.word_windings ? options.word_windings(fault, winding, name) : std::string());
    };
    if (!transformer.tree) {
        return said({.fault = TransformerFault::NotAnObject, .key = "transformer"});
    }
    auto read = design::readTransformer(*transformer.tree, transformer.truncated);
    if (const auto* problem = std::get_if<design::TransformerProblem>(&read)) {
        return said({.fault = faultOf(*problem),
                     .key = problem->error.key,
                     .value = problem->value,
                     .low = problem->low,
                     .high = problem->high});
    }
    const windings::TransformerInputs& inputs = std::get<windings::TransformerInputs>(read);
    windings::Factors f;
    if (!factors.is_null()) {
        if (!factors.is_object()) {
            return windingsSaid(WindingsFault::FactorsNotAnObject);
        }
        f = std::get<windings::Factors>(design::readFactors(factors, design::Source::BatchLine));
    }
    const std::optional<windings::Space> space = drawn ? windings::spaceFromDrawing(*drawn) : std::nullopt;
    // A case without a core type is none the calculation draws.
    if (!space || !core) {
        return windingsSaid(WindingsFault::NothingToWindOn);
    }
    windings::Transformer t = windings::designTransformer(inputs, *core, *space, f);
    if (const auto& failure = t.failure) {
        using Kind = windings::TransformerFailure::Kind;
        const int winding = int(failure->winding) + 1;
        const std::string name = shortened(failure->winding == 0 ? std::string(windings::kPrimaryName)
                                           : failure->winding <= inputs.secondaries.size()
                                               ? inputs.secondaries[failure->winding - 1].name
                                               : std::string());
        switch (failure->kind) {
        case Kind::BuildUp: {
            const windings::BuildUp& b = t.build;
            if (b.noRoom) {
                return noRoomAnswer(*space, options);
            }
            if (b.factorProblem) {
                if (const auto fault = windingsFault(*b.factorProblem)) {
                    return windingsSaid(*fault);
                }
            }
            if (failure->winding < b.windings.size() && b.windings[failure->winding].problem) {
                return windingsSaid(windingsFault(*b.windings[failure->winding].problem), winding, name);
            }
            return windingsSaid(WindingsFault::NothingToWindOn);
        }
        case Kind::NoWire:
            return said({.fault = TransformerFault::NoWire,
                         .number = failure->value,
                         .low = failure->smallest,
                         .high = failure->largest,
                         .winding = winding,
                         .name = name});
        case Kind::Turns:
            return said({.fault = failure->value >= 1 ? TransformerFault::TooManyTurns
                                                      : TransformerFault::TooFewTurns,
                         .number = failure->value,
                         .low = 1,
                         .high = double(windings::kMaxTurns),
                         .winding = winding,
                         .name = name});
        case Kind::Unsettled: return said({.fault = TransformerFault::Unsettled, .number = failure->value});
        case Kind::Core: return said({.fault = TransformerFault::Core, .number = failure->value});
        default:
            // The inputs were read within their ranges: the model's own check
            // of them is answered as a number out of its range all the same.
            return said({.fault = TransformerFault::Number,
                         .key = "transformer",
                         .number = failure->value,
                         .low = failure->smallest,
                         .high = failure->largest});
        }
    }
    ordered_json out = objectWithRoom(12);
    out["status"] = "ok";
    out["turns_per_volt"] = t.turnsPerVolt;
    out["core_area"] = t.coreArea;
    out["primary"] = windingJson(t.windings.front(), core->uType);
    ordered_json secondaries = ordered_json::array();
    for (std::size_t i = 1; i < t.windings.size(); ++i) {
        secondaries.push_back(windingJson(t.windings[i], core->uType));
    }
    out["secondaries"] = std::move(secondaries);
    out["copper_loss"] = t.copperLoss;
    out["core_kg"] = t.coreKg;
    out["core_loss"] = t.coreLoss;
    out["efficiency"] = t.efficiency;
    out["build"] = t.build.build.value_or(0);
    out["fill"] = t.build.fill.value_or(0);
    out["fits"] = t.build.fits;
    return out;
}

}  // namespace vintorp::batch
