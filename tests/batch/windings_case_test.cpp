// A case's "windings": the build-up against the bobbin it drew, each bad
// winding named with why, and no more of the list built than a case reads.
#include "batch/batch_case.h"
#include "kindwords.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

namespace vintorp::batch {
namespace {

using nlohmann::json;

// The worked example (E-type, A 20, B 25, C 10, H 30, T 1) with `extra`.
json Answer(const std::string& extra, const std::string& a = "20")
{
    const LineResult r = runLine(
        R"({"A":")" + a + R"(","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":",")" + extra + "}",
        KindWords());
    EXPECT_TRUE(r.valid) << r.output;
    return json::parse(r.output).value("windings", json());
}

TEST(WindingsCase, BuildUpOfTheWorkedExample)
{
    // 100 turns of 0.5 mm (k 1.2): 45 a layer, 3 layers, 2.2 mm; × 1.1 = 2.42 of 8.5.
    const json w = Answer(R"(,"windings":[{"name":"I","turns":100,"wire":0.5,"between":0.1,"over":0.2}])");
    EXPECT_EQ(w["status"], "ok");
    EXPECT_DOUBLE_EQ(w["length"].get<double>(), 27.5);
    EXPECT_DOUBLE_EQ(w["depth"].get<double>(), 8.5);
    EXPECT_EQ(w["windings"][0]["per_layer"], 45);
    EXPECT_EQ(w["windings"][0]["layers"], 3);
    EXPECT_NEAR(w["windings"][0]["build"].get<double>(), 2.2, 1e-12);
    EXPECT_NEAR(w["build"].get<double>(), 2.42, 1e-12);
    EXPECT_NEAR(w["fill"].get<double>(), 2.42 / 8.5, 1e-12);
    EXPECT_EQ(w["fits"], true);
    // 935 turns at k 1 and no bulge fill the 8.5 mm exactly; one more does not fit.
    for (const auto& [turns, fits] : {std::pair{935, true}, std::pair{936, false}}) {
        const json at = Answer(R"(,"windings":[{"name":"","turns":)" + std::to_string(turns)
                               + R"(,"wire":0.5,"layer":1}],"winding_factors":{"bulge":1,"margin":0})");
        EXPECT_EQ(at["fits"], fits) << turns;
    }
}

TEST(WindingsCase, BadValuesAreNamed)
{
    const struct {
        std::string extra;
        std::string message;  // of the answer, or of its second winding
    } cases[] = {
        {R"(,"windings":[{"name":"I","turns":100,"wire":0.5},{"name":"II","turns":2.5,"wire":0.5}])",
         Fault(WindingsFault::Turns, 2, "II")},
        {R"(,"windings":[{"name":"I","turns":100,"wire":0.5},{"name":"II","turns":10,"wire":"0.5"}])",
         Fault(WindingsFault::Wire, 2, "II")},
        {R"(,"windings":[{"name":"I","turns":100,"wire":0.5},{"name":"II","turns":10,"wire":10,"layer":2}],)"
         R"("winding_factors":{"margin":5})",
         Fault(WindingsFault::WiderThanLength, 2, "II")},
        {R"(,"windings":[{"turns":1,"wire":1},[1]])", Fault(WindingsFault::NotAnObject, 2)},
        {R"(,"windings":{"turns":1})", Fault(WindingsFault::NotAList)},
        {R"(,"windings":[],"winding_factors":{"bulge":2.5})", Fault(WindingsFault::Bulge)},
        {R"(,"windings":[],"winding_factors":[1])", Fault(WindingsFault::FactorsNotAnObject)},
        {R"(,"windings":[{"turns":1,"wire":0.5}],"winding_factors":{"margin":13.75})",
         Fault(WindingsFault::MarginTakesLength)},
    };
    for (const auto& c : cases) {
        const json w = Answer(c.extra);
        EXPECT_EQ(w["status"], "error") << c.extra;
        const std::string message = w.contains("message") ? w["message"].get<std::string>()
                                                          : w["windings"][1]["error"].get<std::string>();
        EXPECT_EQ(message, c.message);
        if (!w.contains("message")) {
            EXPECT_TRUE(w["windings"][0].contains("per_layer"));  // the good one is still built
            EXPECT_FALSE(w.contains("fits"));
        }
    }
    EXPECT_EQ(Answer(R"(,"windings":[])", "0")["message"], Fault(WindingsFault::NothingToWindOn));
}

// A bobbin with nowhere to wind says so, naming L and D, and neither fits nor
// has a fill.
TEST(WindingsCase, NoWindingRoom)
{
    const LineResult r = runLine(R"({"A":"1","B":"1","C":"1","H":"1","K":"0","T":"0.5","type":0,"sep":".",)"
                                 R"("windings":[{"turns":1,"wire":0.5}]})",
                                 KindWords());
    const json w = json::parse(r.output)["windings"];
    EXPECT_EQ(
        w,
        json({{"status", "error"}, {"message", NoRoom("-0.50", "0.00")}, {"length", -0.5}, {"depth", 0.0}}));
}

// A list longer than a case reads, or nested deeper, is refused, not built.
TEST(WindingsCase, OnlySoMuchIsBuilt)
{
    std::string many = R"(,"windings":[)";
    for (int i = 0; i < 1001; ++i)
        many += (i ? "," : "") + std::string(R"({"turns":1,"wire":0.5})");
    EXPECT_EQ(Answer(many + "]")["message"], Fault(WindingsFault::TooMany));
    // Past the limit the reader builds nothing more, whatever came before.
    std::string numbers = R"(,"windings":[)";
    for (int i = 0; i < 1000; ++i)
        numbers += "1,";
    EXPECT_EQ(Answer(numbers + R"({"turns":1,"wire":0.5}])")["message"], Fault(WindingsFault::TooMany));
    const json deep = Answer(R"(,"windings":[{"name":"I","turns":[[[[1]]]],"wire":0.5}])");
    EXPECT_EQ(deep["windings"][0]["error"], Fault(WindingsFault::Turns, 1, "I"));
}

// A winding's name is in its answer once: a message that names the winding
// quotes its first 40 characters only. A name that is no string is refused.
TEST(WindingsCase, NamesAreAnsweredOnce)
{
    const std::string name(1000, 'n');
    const json w = Answer(R"(,"windings":[{"name":")" + name + R"(","turns":10,"wire":11}])");
    EXPECT_EQ(w["windings"][0]["name"], name);
    EXPECT_EQ(w["windings"][0]["error"], Fault(WindingsFault::Wire, 1, name.substr(0, 40) + "…"));
    EXPECT_EQ(Answer(R"(,"windings":[{"name":7,"turns":10,"wire":0.5}])")["message"],
              Fault(WindingsFault::Name, 1));
}

}  // namespace
}  // namespace vintorp::batch
