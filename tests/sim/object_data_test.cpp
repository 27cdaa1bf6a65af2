// The simulator's object data: OID and value texts, object file lines, the
// checks a SET must pass, and the shipped object files themselves.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "sim/line_tokens.h"
#include "sim/object_file.h"
#include "sim/set_check.h"
#include "tests/support/temp_folder.h"

namespace sim {
namespace {

TEST(simOid, ParsesDottedTextsAndTheDeviceRoot) {
    struct Case {
        const char* text;
        bool ok;
        const char* formatted;
    };
    const Case cases[] = {
        {"1.3.6.1.2.1.1.1.0", true, "1.3.6.1.2.1.1.1.0"},
        {".1.3.6", true, "1.3.6"},
        {"E.4.2.3.0", true, "1.3.6.1.4.1.32473.10.37.44.4.2.3.0"},
        {"E", true, "1.3.6.1.4.1.32473.10.37.44"},
        {"4294967295", true, "4294967295"},
        {"4294967296", false, ""},
        {"1..3", false, ""},
        {"1.3.", false, ""},
        {"", false, ""},
        {"E4.2", false, ""},
        {"1.x.3", false, ""},
    };
    for (const Case& c : cases) {
        Oid oid;
        EXPECT_EQ(c.ok, ParseOid(c.text, oid)) << c.text;
        if (c.ok) {
            EXPECT_EQ(c.formatted, FormatOid(oid)) << c.text;
        }
    }
}

TEST(simValue, ReadsAndWritesEachSyntax) {
    struct Case {
        Syntax syntax;
        const char* text;
        bool ok;
    };
    const Case cases[] = {
        {Syntax::Integer, "-2147483648", true}, {Syntax::Integer, "2147483648", false},
        {Syntax::Integer, "12a", false},        {Syntax::Integer, "", false},
        {Syntax::TimeTicks, "4294967295", true}, {Syntax::TimeTicks, "-1", false},
        {Syntax::IpAddress, "192.168.0.50", true}, {Syntax::IpAddress, "256.1.1.1", false},
        {Syntax::IpAddress, "1.2.3", false},    {Syntax::IpAddress, "1.2.3.4.5", false},
        {Syntax::Mac, "00907A1C2D3E", true},    {Syntax::Mac, "00907A1C2D3", false},
        {Syntax::Mac, "00907A1C2D3G", false},   {Syntax::String, "any text", true},
        {Syntax::String, "", true},             {Syntax::ObjectId, "1.3.6.1", true},
    };
    for (const Case& c : cases) {
        Value value;
        EXPECT_EQ(c.ok, ParseValue(c.syntax, c.text, value)) << SyntaxName(c.syntax) << " " << c.text;
        if (c.ok) {
            EXPECT_EQ(c.text, FormatValue(value)) << "round trip of " << c.text;
        }
    }
}

TEST(simTokens, SplitsQuotedTextsAndQuotesThemBack) {
    std::vector<std::string> tokens;
    ASSERT_TRUE(SplitTokens("a  \"b c\" \"\" \"q\\\"\\\\\\x0a\" d # comment", tokens));
    EXPECT_THAT(tokens, ::testing::ElementsAre("a", "b c", "", "q\"\\\n", "d"));
    EXPECT_FALSE(SplitTokens("\"open", tokens));
    EXPECT_FALSE(SplitTokens("\"bad \\q\"", tokens));

    for (const std::string& text : {std::string("plain"), std::string("two words"), std::string(),
                                    std::string("tab\there"), std::string("#x"), std::string("\"\\")}) {
        ASSERT_TRUE(SplitTokens(QuoteToken(text), tokens)) << text;
        EXPECT_THAT(tokens, ::testing::ElementsAre(text)) << QuoteToken(text);
    }
}

ObjectStore Load(const std::vector<std::string>& lines, std::string& error) {
    ObjectStore store;
    std::vector<std::string> tokens;
    for (const std::string& line : lines)
        if (!SplitTokens(line, tokens) || !LoadObjectLine(tokens, store, error)) break;
    return store;
}

TEST(simObjectFile, ExpandsTableRowsAndTakesRowValues) {
    std::string error;
    ObjectStore store = Load({"col E.3.1.3.2.1.4.[1-3] ipaddress rw - 0.0.0.0",
                              "E.3.1.3.2.1.4.2 10.0.0.2"},
                             error);
    ASSERT_EQ("", error);
    ASSERT_EQ(3u, store.Entries().size());
    Oid row2;
    ParseOid("E.3.1.3.2.1.4.2", row2);
    EXPECT_EQ("10.0.0.2", FormatValue(store.Find(row2)->value));
    EXPECT_EQ("10.0.0.2", FormatValue(store.Find(row2)->def.initial)) << "a fixture value is the initial one";
}

// A fixture takes cells away (one or a column's rows) and gives objects
// another type, which a write of that type may then change.
TEST(simObjectFile, RemovesObjectsAndGivesThemAnotherType) {
    std::string error;
    ObjectStore store = Load({"col E.3.1.[1-4] integer rw 0..9 5", "txt E.4.0 string rw 0..8 \"a\"",
                              "remove E.3.1.[2-3]", "remove E.3.1.4", "retype E.4.0 integer 77",
                              "retype E.3.1.[1-1] string \"five\""},
                             error);
    ASSERT_EQ("", error);
    std::vector<std::string> left;
    for (const auto& [oid, entry] : store.Entries())
        left.push_back(FormatOid(oid) + " " + SyntaxName(entry.def.syntax) + " " + FormatValue(entry.value));
    Oid first, text;
    ParseOid("E.3.1.1", first);
    ParseOid("E.4.0", text);
    EXPECT_EQ(left, (std::vector<std::string>{FormatOid(first) + " string five", FormatOid(text) + " integer 77"}));
    EXPECT_TRUE(store.Find(text)->def.allowed.empty()) << "any value of the new type is taken";
}

TEST(simObjectFile, RejectsBadLinesNamingTheProblem) {
    struct Case {
        std::vector<std::string> lines;
        const char* problem;
    };
    const Case cases[] = {
        {{"x E.1.0 integer rw 0..1"}, "expected 6 tokens"},
        {{"x E.1.0 float rw - 0"}, "bad syntax"},
        {{"x E.1.0 integer wo - 0"}, "bad access"},
        {{"x E.1.0 integer rw 2..1 0"}, "bad allowed"},
        {{"x E.1.0 integer rw - 1.5"}, "bad value"},
        {{"x E.1.[3-1] integer rw - 0"}, "bad OID"},
        {{"x E.1.0 integer rw - 0", "y E.1.0 integer rw - 0"}, "defined twice"},
        {{"E.9.0 1"}, "no such object"},
        {{"x E.1.0 ipaddress rw - 0.0.0.0", "E.1.0 1"}, "bad value"},
        {{"remove E.9.0"}, "no such object"},
        {{"x E.1.[1-2] integer rw - 0", "remove E.1.[2-3]"}, "no such object"},
        {{"x E.1.0 integer rw - 0", "retype E.1.0 float 1"}, "bad syntax"},
        {{"x E.1.0 integer rw - 0", "retype E.1.0 integer x"}, "bad value"},
        {{"retype E.9.0 integer 1"}, "no such object"},
    };
    for (const Case& c : cases) {
        std::string error;
        Load(c.lines, error);
        EXPECT_THAT(error, ::testing::HasSubstr(c.problem)) << c.lines.back();
    }
}

// Row ranges are bounded, and the error names the file's line.
TEST(simObjectFile, RefusesUnboundedRowRangesNamingTheLine) {
    struct Case {
        const char* line;
        const char* problem;
    };
    const Case cases[] = {
        {"x E.1.[0-9223372036854775807] integer rw - 0",
         ":2: row range [0-9223372036854775807] goes past the largest arc 4294967295"},
        {"x E.1.[4294967295-4294967296] integer rw - 0", "goes past the largest arc"},
        {"x E.1.[1-4097] integer rw - 0", ":2: row range [1-4097] gives more than 4096 rows"},
        {"x E.1.[0-4294967295] integer rw - 0", "gives more than 4096 rows"},
        {"x E.1.[0-99999999999999999999] integer rw - 0", ":2: bad OID"},
    };
    for (const Case& c : cases) {
        support::TempFolder folder;
        std::string path = folder.File("objects.txt");
        std::ofstream(path) << "y E.2.0 integer rw - 0\n" << c.line << "\n";
        ObjectStore store;
        std::string error;
        EXPECT_FALSE(LoadObjectFile(path, store, error)) << c.line;
        EXPECT_THAT(error, ::testing::StartsWith(path + ":")) << c.line;
        EXPECT_THAT(error, ::testing::HasSubstr(c.problem)) << c.line;
    }
    std::string error;
    ObjectStore store = Load(
        {"x E.1.[1-4096] integer rw - 0", "y E.2.[4294967295-4294967295] integer rw - 0"}, error);
    EXPECT_EQ("", error);
    EXPECT_EQ(4097u, store.Entries().size());
}

TEST(simSetCheck, AnswersTheStatusOfTheFirstRuleBroken) {
    std::string error;
    ObjectStore store = Load({"ro E.1.0 integer ro 0..1 0", "en E.2.0 integer rw 1..4,6..9 6",
                              "mac E.3.0 mac rw 6 000000000000", "txt E.4.0 string rw 0..4 \"\"",
                              "ip E.5.0 ipaddress rw - 0.0.0.0"},
                             error);
    ASSERT_EQ("", error);
    auto entry = [&](const char* text) {
        Oid oid;
        ParseOid(text, oid);
        return store.Find(oid);
    };
    auto number = [](long n) { return Value{Syntax::Integer, n, {}, {}}; };
    auto octets = [](Syntax syntax, const std::string& s) { return Value{syntax, 0, s, {}}; };
    struct Case {
        const char* oid;
        Value value;
        SetStatus expected;
    };
    const Case cases[] = {
        {"E.9.0", number(1), SetStatus::NoCreation},
        {"E.1.0", number(1), SetStatus::NotWritable},
        {"E.1.0", octets(Syntax::String, "x"), SetStatus::NotWritable},
        {"E.2.0", octets(Syntax::String, "1"), SetStatus::WrongType},
        {"E.2.0", number(5), SetStatus::WrongValue},
        {"E.2.0", number(9), SetStatus::NoError},
        {"E.3.0", octets(Syntax::String, "12345"), SetStatus::WrongLength},
        {"E.3.0", octets(Syntax::String, "123456"), SetStatus::NoError},
        {"E.3.0", number(1), SetStatus::WrongType},
        {"E.4.0", octets(Syntax::String, "12345"), SetStatus::WrongLength},
        {"E.4.0", octets(Syntax::String, ""), SetStatus::NoError},
        {"E.5.0", octets(Syntax::IpAddress, "12345"), SetStatus::WrongLength},
        {"E.5.0", octets(Syntax::String, "1234"), SetStatus::WrongType},
    };
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<int>(c.expected), static_cast<int>(CheckSet(entry(c.oid), c.value)))
            << c.oid << " " << FormatValue(c.value);
}

TEST(simObjectFile, ShippedObjectsLoadWithFixedTableRows) {
    ObjectStore store;
    std::string error;
    ASSERT_TRUE(LoadObjectFolder(std::string(VAP_SIM_OBJECT_FOLDER), store, error)) << error;
    auto has = [&](const std::string& text) {
        Oid oid;
        return ParseOid(text, oid) && store.Find(oid) != nullptr;
    };
    for (int row = 1; row <= 8; ++row) {
        std::string r = std::to_string(row);
        EXPECT_TRUE(has("E.3.1.3.2.1.2." + r)) << "static pool row " << r;
        EXPECT_TRUE(has("E.3.3.3.1.14.1." + r)) << "multi-SSID row " << r;
        EXPECT_FALSE(has("E.3.3.3.1.13.1." + r)) << "the multi-SSID table has no column 13";
    }
    EXPECT_FALSE(has("E.3.1.3.2.1.1.1")) << "index columns are not accessible";
    for (const char* scalar : {"1.3.6.1.2.1.1.1.0", "E.4.2.1.0", "E.4.2.3.0", "E.4.2.4.0", "E.4.3.2.5.0",
                               "E.5.1.1.0", "E.5.1.2.1.1.6.1", "E.2.1.3.3.1.1.1.28.1"})
        EXPECT_TRUE(has(scalar)) << scalar;
}

}  // namespace
}  // namespace sim
