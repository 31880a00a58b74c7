// Design files: written under one decimal separator and read under another
// they are the same design, a round trip keeps every byte, the batch tool
// calculates one as it is, and a bad file says what and where.
#include "batch/batch_case.h"
#include "design/design.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

namespace vintorp::design {
namespace {

Design Sample()
{
    Design d;
    d.inputs = {"20,5", "25", "10", "30", "0", "0,35"};
    d.windings = {{"Сеть 230 В", 1250, 0.315, 0.05, 0.1, {}, {}, 2},
                  {"II", 64, 1.12, 0, 0.2, 1.08, {}, 2},
                  {"III", 40, {}, 0, 0.1, {}, 0.41, 1}};  // by its copper
    d.factors = {0.5, 1.15, 90};
    d.templateSettings.bobbins = 1;
    d.templateSettings.kerf = 0.2;
    d.templateSettings.cutter = true;
    d.templateSettings.sheetWidth = 300;
    d.templateSettings.hole = 2.5;
    return d;
}

// The sample with the inputs of a transformer worked out from its voltages.
Design WithTransformer()
{
    Design d = Sample();
    windings::TransformerInputs& t = d.transformer.emplace();
    t.flux = 1.2;
    t.grade = 1;
    t.secondaries = {{"II", 12.6, 1.5}, {"Накал", 6.3, 0.3}};
    return d;
}

TEST(DesignFile, SameUnderAnySeparatorAndByteForByte)
{
    // Without a transformer the file has no "transformer" at all.
    EXPECT_EQ(writeDesign(Sample(), ",").find("transformer"), std::string::npos);
    for (const Design& sample : {Sample(), WithTransformer()}) {
        const std::string comma = writeDesign(sample, ",");
        const auto read = readDesign(comma, ".");
        ASSERT_TRUE(std::holds_alternative<Design>(read)) << comma;
        const Design& d = std::get<Design>(read);
        EXPECT_EQ(d.transformer.has_value(), sample.transformer.has_value());
        if (d.transformer) {
            EXPECT_EQ(d.transformer->flux, 1.2);
            EXPECT_EQ(d.transformer->grade, 1);
            EXPECT_EQ(d.transformer->mains, windings::kDefaultMains);
            ASSERT_EQ(d.transformer->secondaries.size(), 2u);
            EXPECT_EQ(d.transformer->secondaries[1].name, "Накал");
            EXPECT_EQ(d.transformer->secondaries[1].volts, 6.3);
            EXPECT_EQ(d.transformer->secondaries[1].amps, 0.3);
        }
        EXPECT_EQ(writeDesign(d, "."), comma);
    }
    const std::string comma = writeDesign(Sample(), ",");
    EXPECT_EQ(comma.find('\n'), comma.size() - 1);  // one line, for the batch tool
    EXPECT_NE(comma.find(R"("A":"20.5")"), std::string::npos);
    const auto read = readDesign(comma, ".");
    ASSERT_TRUE(std::holds_alternative<Design>(read));
    const Design& d = std::get<Design>(read);
    EXPECT_EQ(d.inputs[0], "20.5");
    EXPECT_EQ(d.inputs[5], "0.35");
    ASSERT_EQ(d.windings.size(), 3u);
    EXPECT_EQ(d.windings[0].name, "Сеть 230 В");
    EXPECT_EQ(d.windings[0].turns, 1250);
    EXPECT_EQ(d.windings[0].wire, 0.315);
    EXPECT_FALSE(d.windings[0].layerFactor || d.windings[0].copper);
    EXPECT_EQ(d.windings[1].layerFactor, 1.08);
    EXPECT_FALSE(d.windings[2].wire);
    EXPECT_EQ(d.windings[2].copper, 0.41);
    EXPECT_EQ(d.windings[2].grade, 1);
    EXPECT_DOUBLE_EQ(d.factors.bulge, 1.15);
    EXPECT_EQ(d.factors.temperature, 90);
    EXPECT_EQ(d.templateSettings, Sample().templateSettings);
    EXPECT_EQ(writeDesign(d, "."), comma);
    const auto back = readDesign(comma, ",");
    EXPECT_EQ(std::get<Design>(back).inputs, Sample().inputs);
}

TEST(DesignFile, TheBatchToolCalculatesIt)
{
    const batch::LineResult r = batch::runLine(writeDesign(Sample(), ","));
    ASSERT_TRUE(r.valid) << r.output;
    const nlohmann::json answer = nlohmann::json::parse(r.output);
    EXPECT_EQ(answer["status"], "ok");
    EXPECT_EQ(answer["fields"]["Edit15"], "0.35");
    EXPECT_EQ(answer["windings"]["windings"].size(), 3u);
    EXPECT_TRUE(answer["windings"].contains("fits"));
    // A design keeps the table and the transformer's inputs both, and is answered for both.
    const nlohmann::json both
        = nlohmann::json::parse(batch::runLine(writeDesign(WithTransformer(), ",")).output);
    EXPECT_EQ(both["windings"]["windings"].size(), 3u);
    EXPECT_EQ(both["transformer"]["secondaries"].size(), 2u);
}

TEST(DesignFile, BadFilesSayWhatAndWhere)
{
    const std::string good = writeDesign(WithTransformer(), ",");
    const auto with = [&good](const std::string& from, const std::string& to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return s;
    };
    const struct {
        std::string bytes;
        Fault fault;
        std::string key;
        std::size_t line, column;
    } cases[] = {
        {"{\n  \"format\": \"vintorp-design\",\n  \"version\" 1}", Fault::NotJson, "", 3, 13},
        {good.substr(0, good.size() / 2), Fault::NotJson, "", 1, good.size() / 2 + 1},
        {"[1]", Fault::NotADesign, "", 0, 0},
        {with(R"("format":"vintorp-design")", R"("format":"vintorp")"), Fault::NotADesign, "", 0, 0},
        {with(R"("version":1)", R"("version":2)"), Fault::NewerVersion, "version", 0, 0},
        {with(R"("version":1)", R"("version":"1")"), Fault::WrongKind, "version", 0, 0},
        {with(R"("turns":64)", R"("turns":"64")"), Fault::WrongKind, "windings[2].turns", 0, 0},
        {with(R"("turns":64)", R"("turns":64.5)"), Fault::WrongKind, "windings[2].turns", 0, 0},
        {with(R"("wire":1.12)", R"("wire":11)"), Fault::OutOfRange, "windings[2].wire", 0, 0},
        {with(R"("kerf":0.2)", R"("kerf":2)"), Fault::OutOfRange, "kerf", 0, 0},
        {with(R"("hole":2.5)", R"("hole":0.4)"), Fault::OutOfRange, "hole", 0, 0},
        {with(R"("bulge":1.15)", R"("bulge":null)"), Fault::WrongKind, "winding_factors.bulge", 0, 0},
        {with(R"("type":0)", R"("type":2)"), Fault::OutOfRange, "type", 0, 0},
        {with(R"("bobbins":1)", R"("bobbins":0)"), Fault::OutOfRange, "bobbins", 0, 0},
        {with(R"("sep":".")", R"("sep":",")"), Fault::OutOfRange, "sep", 0, 0},
        {with(R"("T":"0.35",)", ""), Fault::Missing, "T", 0, 0},
        {with(R"("A":"20.5")", R"("A":"20,5")"), Fault::DecimalComma, "A", 0, 0},
        {with(R"("name":"II")", R"("name":1)"), Fault::WrongKind, "windings[2].name", 0, 0},
        {with(R"("flux":1.2)", R"("flux":2.5)"), Fault::OutOfRange, "transformer.flux", 0, 0},
        {with(R"("grade":1,"temperature")", R"("grade":1.5,"temperature")"), Fault::WrongKind,
         "transformer.grade", 0, 0},
        {with(R"("amps":0.3)", R"("amps":"0.3")"), Fault::WrongKind, "transformer.secondaries[2].amps", 0, 0},
        {with(R"(,"amps":0.3)", ""), Fault::Missing, "transformer.secondaries[2].amps", 0, 0},
        {with(R"("secondaries":[)", R"("secondaries":[{"volts":1,"amps":1},{"volts":1,"amps":1},)"
                                    R"({"volts":1,"amps":1},{"volts":1,"amps":1},{"volts":1,"amps":1},)"
                                    R"({"volts":1,"amps":1},{"volts":1,"amps":1},)"),
         Fault::OutOfRange, "transformer.secondaries", 0, 0},
        {with(R"("transformer":{)", R"("transformer":7,"x":{)"), Fault::WrongKind, "transformer", 0, 0},
        {"", Fault::Empty, "", 0, 0},
        {" \n", Fault::Empty, "", 0, 0},
        {good + std::string(kMaxFileSize, ' '), Fault::TooLarge, "", 0, 0},
    };
    for (const auto& c : cases) {
        const auto read = readDesign(c.bytes, ",");
        ASSERT_TRUE(std::holds_alternative<ReadError>(read)) << c.bytes.substr(0, 80);
        const ReadError& e = std::get<ReadError>(read);
        EXPECT_EQ(e.fault, c.fault) << c.bytes.substr(0, 80);
        EXPECT_EQ(e.key, c.key);
        EXPECT_EQ(e.line, c.line);
        EXPECT_EQ(e.column, c.column);
    }
}

// A text longer than its field is refused, not cut: the window would show
// and save less than the file holds.
TEST(DesignFile, TextsLongerThanTheirFieldsAreRefused)
{
    const std::string good = writeDesign(Sample(), ",");
    const struct {
        std::string from, to, key;
        std::size_t length, limit;
    } cases[]
        = {{R"("A":"20.5")", R"("A":"20.0001")", "A", 7, 6}, {R"("T":"0.35")", R"("T":"0.125")", "T", 5, 4}};
    for (const auto& c : cases) {
        std::string bytes = good;
        bytes.replace(bytes.find(c.from), c.from.size(), c.to);
        const auto read = readDesign(bytes, ",");
        ASSERT_TRUE(std::holds_alternative<ReadError>(read)) << c.to;
        const ReadError& e = std::get<ReadError>(read);
        EXPECT_EQ(e.fault, Fault::TooLong);
        EXPECT_EQ(e.key, c.key);
        EXPECT_EQ(e.length, c.length);
        EXPECT_EQ(e.limit, c.limit);
        EXPECT_EQ(readErrorText(e), "key \"" + c.key + "\" holds " + std::to_string(c.length)
                                        + " characters, the field " + std::to_string(c.limit));
    }
}

// The batch tool reads a design as the window does: laid out over many
// lines, "version" 1.0, and checked as a design whenever it says it is one.
TEST(DesignFile, TheBatchToolReadsItAsTheWindowDoes)
{
    nlohmann::json pretty = nlohmann::json::parse(writeDesign(Sample(), ","));
    pretty["version"] = 1.0;
    EXPECT_TRUE(std::holds_alternative<Design>(readDesign(pretty.dump(2), ",")));
    EXPECT_TRUE(batch::runLine(pretty.dump(2)).valid);
    pretty["sep"] = ",";
    pretty["A"] = "20,5";
    EXPECT_FALSE(batch::runLine(pretty.dump()).valid);  // a design holds "." only
    pretty.erase("format");
    EXPECT_TRUE(batch::runLine(pretty.dump()).valid);  // a line may carry its own separator
}

}  // namespace
}  // namespace vintorp::design
