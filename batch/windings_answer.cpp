#include "batch/windings_answer.h"

#include "design/design.h"
#include "windings/buildup.h"
#include "windings/fixedtext.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintorp::batch {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;
using windings::Problem;

}  // namespace

std::string shortened(std::string_view name)
{
    constexpr std::size_t kMaxQuoted = 40;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size(); ++at) {
        if ((static_cast<unsigned char>(name[at]) & 0xC0) != 0x80 && characters++ == kMaxQuoted) {
            return std::string(name.substr(0, at)) + "…";
        }
    }
    return std::string(name);
}

WindingsFault windingsFault(Problem problem)
{
    switch (problem) {
    case Problem::Turns: return WindingsFault::Turns;
    case Problem::Wire: return WindingsFault::Wire;
    case Problem::NoWire: return WindingsFault::NoWire;
    case Problem::Copper: return WindingsFault::Copper;
    case Problem::Grade: return WindingsFault::Grade;
    case Problem::Between: return WindingsFault::Between;
    case Problem::Over: return WindingsFault::Over;
    case Problem::LayerFactor: return WindingsFault::LayerFactor;
    case Problem::WiderThanLength: return WindingsFault::WiderThanLength;
    }
    return WindingsFault::Turns;
}

std::optional<WindingsFault> windingsFault(windings::FactorProblem problem)
{
    switch (problem) {
    case windings::FactorProblem::Margin: return WindingsFault::Margin;
    case windings::FactorProblem::Bulge: return WindingsFault::Bulge;
    case windings::FactorProblem::Temperature: return WindingsFault::Temperature;
    case windings::FactorProblem::MarginTakesLength: return WindingsFault::MarginTakesLength;
    }
    return std::nullopt;
}

ordered_json noRoomAnswer(const windings::Space& space, const RunOptions& options)
{
    const std::string length = windings::fixedText(space.length, 2),
                      depth = windings::fixedText(space.depth, 2);
    ordered_json out = objectWithRoom(4);
    out["status"] = "error";
    out["message"] = options.word_no_room ? options.word_no_room(length, depth) : std::string();
    out["length"] = space.length;
    out["depth"] = space.depth;
    return out;
}

ordered_json objectWithRoom(std::size_t members)
{
    ordered_json object = ordered_json::object();
    object.get_ref<ordered_json::object_t&>().reserve(members);
    return object;
}

ordered_json windingsAnswer(json& list, bool truncated, const json& factors,
                            const std::optional<calc::DrawingNumbers>& drawn, const RunOptions& options)
{
    const auto words = [&options](WindingsFault fault, int winding = 0, std::string_view name = {}) {
        return options.word_windings ? options.word_windings(fault, winding, name) : std::string();
    };
    const auto error = [](const std::string& why) { return ordered_json{{"status", "error"}, {"message", why}}; };
    if (!list.is_array()) {
        return error(words(WindingsFault::NotAList));
    }
    if (truncated) {
        return error(words(WindingsFault::TooMany));
    }
    windings::Factors f;
    if (!factors.is_null()) {
        if (!factors.is_object()) {
            return error(words(WindingsFault::FactorsNotAnObject));
        }
        f = std::get<windings::Factors>(design::readFactors(factors, design::Source::BatchLine));
    }
    const std::optional<windings::Space> space = drawn ? windings::spaceFromDrawing(*drawn) : std::nullopt;
    if (!space) {
        return error(words(WindingsFault::NothingToWindOn));
    }
    std::vector<windings::Winding> input;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].is_object()) {
            return error(words(WindingsFault::NotAnObject, int(i + 1)));
        }
        // A line's winding refuses only a name of the wrong kind; its numbers
        // are the build-up's to check.
        auto winding = design::readWinding(list[i], {}, design::Source::BatchLine);
        if (std::holds_alternative<design::ReadError>(winding)) {
            return error(words(WindingsFault::Name, int(i + 1)));
        }
        input.push_back(std::move(std::get<windings::Winding>(winding)));
    }
    const windings::BuildUp result = windings::buildUp(*space, input, f);
    if (result.noRoom) {
        return noRoomAnswer(*space, options);
    }
    if (result.factorProblem) {
        if (const auto fault = windingsFault(*result.factorProblem)) {
            return error(words(*fault));
        }
    }
    ordered_json out = objectWithRoom(8);
    out["status"] = result.build ? "ok" : "error";
    out["length"] = space->length;
    out["depth"] = space->depth;
    ordered_json each = ordered_json::array();
    for (std::size_t i = 0; i < input.size(); ++i) {
        const windings::WindingBuild& b = result.windings[i];
        // The name, however long, is in the answer once: moved there, and
        // shortened in the messages that name the winding.
        ordered_json w = objectWithRoom(9);
        w["name"] = std::move(input[i].name);
        if (b.problem) {
            w["error"] = words(windingsFault(*b.problem), int(i + 1),
                               shortened(w["name"].get_ref<const std::string&>()));
        } else {
            w["per_layer"] = b.perLayer;
            w["layers"] = b.layers;
            w["build"] = b.build;
            if (b.wireMetres) {
                w["wire_m"] = *b.wireMetres;
            }
            w["wire"] = b.wire;
            if (b.copperGrams) {
                w["ohm_20"] = *b.ohmsCold;
                w["ohm_hot"] = *b.ohmsWarm;
                w["copper_g"] = *b.copperGrams;
            }
        }
        each.push_back(std::move(w));
    }
    out["windings"] = std::move(each);
    if (result.build) {
        out["build"] = *result.build;
        out["fill"] = *result.fill;
        out["fits"] = result.fits;
        if (result.copperGrams) {
            out["copper_g"] = *result.copperGrams;
        }
    }
    return out;
}

}  // namespace vintorp::batch
