// A case's "transformer": what is wrong with it is passed on by its kind, the
// key, the value as given and the winding; the figures are the golden lines'.
#include "batch/batch_case.h"
#include "kindwords.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

namespace vintorp::batch {
namespace {

using nlohmann::json;

// The message of the transformer's answer on a core of `sizes` (E-type unless `type`).
std::string Message(const std::string& extra,
                    const std::string& sizes = R"("A":"20","B":"40","C":"12.5","H":"32")", int type = 0)
{
    const LineResult r = runLine("{" + sizes + R"(,"K":"0","T":"1","type":)" + std::to_string(type)
                                     + R"(,"sep":".")" + extra + "}",
                                 KindWords());
    EXPECT_TRUE(r.valid) << r.output;
    const json t = json::parse(r.output)["transformer"];
    EXPECT_EQ(t["status"], "error") << extra;
    return t.value("message", "");
}

TEST(TransformerCase, FaultsNameTheKeyTheValueAndTheWinding)
{
    const std::string one = R"({"name":"II","volts":12,"amps":1})";
    const std::string longName(101, 'n');
    const struct {
        std::string extra, message;
    } cases[] = {
        {R"(,"transformer":5)", Transformer(TransformerFault::NotAnObject, "transformer")},
        {R"(,"transformer":{"flux":1.3})", Transformer(TransformerFault::Missing, "transformer.secondaries")},
        {R"(,"transformer":{"flux":2.5,"secondaries":[)" + one + "]}",
         Transformer(TransformerFault::Number, "transformer.flux", "2.5")},
        {R"(,"transformer":{"mains":")" + longName + R"(","secondaries":[)" + one + "]}",
         Transformer(TransformerFault::Number, "transformer.mains", "\"" + longName.substr(0, 40) + "\"…")},
        {R"(,"transformer":{"grade":1.5,"secondaries":[)" + one + "]}",
         Transformer(TransformerFault::WholeNumber, "transformer.grade", "1.5")},
        {R"(,"transformer":{"secondaries":{"a":1}})",
         Transformer(TransformerFault::SecondariesList, "transformer.secondaries", "{…}")},
        {R"(,"transformer":{"secondaries":[)" + one + ",[1]]}",
         Transformer(TransformerFault::NotAnObject, "transformer.secondaries[2]", "[…]")},
        {R"(,"transformer":{"secondaries":[{"name":")" + longName + R"(","volts":1,"amps":1}]})",
         Transformer(TransformerFault::NameLength, "transformer.secondaries[1].name", "101")},
        {R"(,"transformer":{"secondaries":[{"volts":1}]})",
         Transformer(TransformerFault::Missing, "transformer.secondaries[1].amps")},
        // 1 V at 1000 Hz and 2 T on 744 mm²: 0.15 turns a volt, no whole turn of the primary.
        {R"(,"transformer":{"mains":1,"frequency":1000,"flux":2,"secondaries":[)" + one + "]}",
         Transformer(TransformerFault::TooFewTurns, {}, {}, 1)},
        {R"(,"transformer":{"density":1,"secondaries":[)" + one + R"(,{"name":"5 V","volts":5,"amps":30}]})",
         Transformer(TransformerFault::NoWire, {}, {}, 3)},
        {R"(,"transformer":{"secondaries":[)" + one + R"(]},"winding_factors":[1])",
         Fault(WindingsFault::FactorsNotAnObject)},
        {R"(,"transformer":{"secondaries":[)" + one + R"(]},"winding_factors":{"margin":20})",
         Fault(WindingsFault::MarginTakesLength)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Message(c.extra), c.message);
    std::string nine = R"(,"transformer":{"secondaries":[)" + one;
    for (int i = 1; i < 9; ++i)
        nine += "," + one;
    EXPECT_EQ(Message(nine + "]}"),
              Transformer(TransformerFault::SecondariesCount, "transformer.secondaries", "9"));
    // 10 Hz on a core of 2 by 2 mm: over a million turns for the mains.
    EXPECT_EQ(Message(R"(,"transformer":{"frequency":10,"secondaries":[)" + one + "]}",
                      R"("A":"2","B":"2","C":"12.5","H":"32")"),
              Transformer(TransformerFault::TooManyTurns, {}, {}, 1));
    EXPECT_EQ(
        Message(R"(,"transformer":{"secondaries":[)" + one + "]}", R"("A":"0","B":"40","C":"12.5","H":"32")"),
        Fault(WindingsFault::NothingToWindOn));
    // The U-type bobbin of this core has 4.75 mm of depth between the tube and the cheek's edge.
    EXPECT_EQ(Message(R"(,"transformer":{"secondaries":[)" + one + "]}",
                      R"("A":"20","B":"40","C":"12.5","H":"32")", 1),
              NoRoom("29.50", "4.75"));
}

}  // namespace
}  // namespace vintorp::batch
