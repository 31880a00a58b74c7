// One line of the batch tool: a JSON object with the six input texts, the
// core type and the decimal separator in; one JSON object with the outcome
// and the fourteen drawing texts out. Any line at all gets exactly one answer.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/drawingnumbers.h"
#include "calc/errors.h"
#include "design/design.h"

namespace vintorp::batch {

struct LineResult {
    std::string output;  // one JSON object, without the line end
    bool valid = true;  // false: output carries status "invalid"
    std::string problem;  // what is wrong with an invalid line
};

// A cut template asked for with the key "template" of a calculated case.
struct TemplateJob {
    calc::DrawingNumbers numbers;  // the case's drawing, as read
    int core_type = 0;
    std::string path;  // the writer checks that it ends in .pdf, .svg or .dxf
    design::TemplateSettings settings;  // of their kinds; the writer checks their ranges
};

// What a template writer did: the files it wrote (a cutter's job of several
// sheets writes one per sheet), or why it wrote none.
struct TemplateWritten {
    std::vector<std::string> paths;
    std::string failure;  // empty: written
};
using TemplateWriter = std::function<TemplateWritten(const TemplateJob&)>;

// The message of a rejected or failed case in the language asked for.
using MessageTranslator = std::function<std::string(const calc::Error&)>;

// Why a case's template was not tried.
enum class TemplateRefusal {
    NotAString,  // the key "template" holds something other than a string
    NothingToCut,  // the calculation did not succeed
    NotAvailable,  // the run has no template writer
    NotANumber,  // a setting's key ("kerf" …) holds something other than a number
    NotAWholeNumber,  // "bobbins" holds something other than a whole number
    NotTrueOrFalse,  // "cutter" or "labels" holds something other than true or false
};
// Its words, about the key at fault, in the language asked for.
using RefusalWords = std::function<std::string(TemplateRefusal, std::string_view key)>;

// Why a case's windings were not built up, or what is wrong with one of them.
enum class WindingsFault {
    NothingToWindOn,  // the calculation did not succeed
    NotAList,  // "windings" holds something other than a list
    TooMany,  // more windings than the reader builds
    NotAnObject,  // a winding that is not an object
    Name,  // a winding's name that is not a string
    Turns, Wire, Between, Over, LayerFactor, Copper, Grade,  // a winding's value of the wrong kind or out of range
    NoWire,  // a winding with neither "wire" nor "copper"
    WiderThanLength,  // not one turn of the wire fits the winding length
    FactorsNotAnObject,  // "winding_factors" holds something other than an object
    Margin, Bulge, Temperature,  // a factor of the wrong kind or out of range
    MarginTakesLength,  // the margins at both cheeks leave no winding length
};
// Its words in the language asked for; `winding` counts from 1 (0: none).
using WindingsWords = std::function<std::string(WindingsFault, int winding, std::string_view name)>;

// The words for a bobbin with no winding room, naming its winding length L
// and depth D (mm, as texts), in the language asked for.
using NoRoomWords = std::function<std::string(std::string_view length, std::string_view depth)>;

// What is wrong with a case's "transformer", or why it could not be worked
// out (the windings' faults and a bobbin with no room are worded as above).
enum class TransformerFault {
    NotAnObject,  // key: holds something other than an object
    TooLarge,  // more than `high` values on a level of "transformer"
    Missing,  // key: not given
    Number,  // key: value, not a number from low to high
    WholeNumber,  // key: value, not a whole number from low to high
    SecondariesList,  // key: value, not a list (of low to high secondaries)
    SecondariesCount,  // key: value secondaries, not low to high
    NameText,  // key: value, not a text (of at most `high` characters)
    NameLength,  // key: a name of value characters, more than `high`
    Core,  // a size of the core (`number`) is not a positive number
    NoWire,  // winding: no standard wire has the `number` mm² it needs; the table's largest has `high`
    TooFewTurns,  // winding: `number` turns (fewer than one)
    TooManyTurns,  // winding: `number` turns, more than `high`
    Unsettled,  // the turns and the copper still change after `number` rounds
};
struct TransformerIssue {
    TransformerFault fault;
    std::string_view key = {};  // "transformer.flux", "transformer.secondaries[2].amps" …
    std::string_view value = {};  // as given, as JSON text
    double number = 0, low = 0, high = 0;
    int winding = 0;  // 1 the primary, 2 … the secondaries (the rows of the windings table)
    std::string_view name = {};  // the winding's, as the message quotes it
};
using TransformerWords = std::function<std::string(const TransformerIssue&)>;

// The words of the refusals and faults above are the language layer's
// (lang/batchwords.h); this library passes on their kinds and arguments only.
struct RunOptions {
    TemplateWriter write_template;  // none: templates are reported as not available
    MessageTranslator translate_message;  // none: the messages in the calculation's own words
    RefusalWords word_refusal;  // none: the message is left empty
    WindingsWords word_windings;  // none: the message is left empty
    NoRoomWords word_no_room;  // none: the message is left empty
    TransformerWords word_transformer;  // none: the message is left empty
    // Why a line or a file is no case; none: design::readErrorText.
    std::function<std::string(const design::ReadError&)> word_read_error;
};

// Any line at all, however large or deeply nested, is answered: memory
// beyond the line's own bytes is taken for the values of the case's keys, not
// for the rest of the line, and a line that still cannot have the memory it
// needs is answered as lineOutOfMemory.
// A design file's bytes are read as a design, a line as a line (as a design
// when it carries "format": "vintorp-design").
LineResult runLine(std::string_view line, const RunOptions& options = {},
                   design::Source source = design::Source::BatchLine);

// The answer to a line or file refused for `problem`: status "invalid".
LineResult invalidAnswer(std::string problem);

// The answer to a line for which there was not enough memory: status
// "invalid", for a reader that could not even hold the line.
LineResult lineOutOfMemory();

}  // namespace vintorp::batch
