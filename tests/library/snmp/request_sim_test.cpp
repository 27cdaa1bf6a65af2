// VkSNMPRequest against the simulated access point, over SNMPv1, SNMPv2c and
// SNMPv3 (MD5+DES authPriv, SHA authNoPriv, noAuthNoPriv).

#include <gtest/gtest.h>

#include <sstream>

#include "library/common/messages.h"
#include "library/snmp/oid.h"
#include "library/snmp/request.h"
#include "platform/os/exception.h"
#include "tests/library/snmp/snmp_session_env.h"
#include "tests/support/snmp_tools.h"

namespace {

using snmptest::AccessMode;
using Rows = std::vector<std::vector<std::string>>;

#define ROOT "1.3.6.1.4.1.32473.10.37.44.99"

const VkSNMPVarEntry kScalars[] = {
    {ROOT ".1.1", "tScalarInt", VkSNMPSyntax::integer, VkSNMPAccess::readwrite},
    {ROOT ".1.2", "tScalarText", VkSNMPSyntax::displaystr, VkSNMPAccess::readwrite},
    {ROOT ".1.3", "tScalarRo", VkSNMPSyntax::integer, VkSNMPAccess::readonly},
    {}};
const VkSNMPVarEntry kInstance[] = {
    {ROOT ".2.1.1", "tInstInt", VkSNMPSyntax::integer, VkSNMPAccess::readwrite},
    {ROOT ".2.2.1", "tInstText", VkSNMPSyntax::displaystr, VkSNMPAccess::readwrite},
    {}};
const VkSNMPVarEntry kNoRows[] = {
    {ROOT ".3.1.1", "index", VkSNMPSyntax::integer, VkSNMPAccess::notaccess},
    {ROOT ".3.1.2", "number", VkSNMPSyntax::integer, VkSNMPAccess::readonly},
    {ROOT ".3.1.3", "text", VkSNMPSyntax::displaystr, VkSNMPAccess::readonly},
    {}};
const VkSNMPVarEntry kOneRow[] = {
    {ROOT ".4.1.1", "index", VkSNMPSyntax::integer, VkSNMPAccess::notaccess},
    {ROOT ".4.1.2", "tOneInt", VkSNMPSyntax::integer, VkSNMPAccess::readwrite},
    {ROOT ".4.1.3", "tOneText", VkSNMPSyntax::displaystr, VkSNMPAccess::readwrite},
    {}};
const VkSNMPVarEntry kTwoRows[] = {
    {ROOT ".5.1.1", "index", VkSNMPSyntax::integer, VkSNMPAccess::notaccess},
    {ROOT ".5.1.2", "tTwoInt", VkSNMPSyntax::integer, VkSNMPAccess::readwrite},
    {ROOT ".5.1.3", "tTwoText", VkSNMPSyntax::displaystr, VkSNMPAccess::readwrite},
    {}};
const VkSNMPVarEntry kTwoKeys[] = {
    {ROOT ".6.1.1", "first", VkSNMPSyntax::integer, VkSNMPAccess::notaccess},
    {ROOT ".6.1.2", "second", VkSNMPSyntax::integer, VkSNMPAccess::notaccess},
    {ROOT ".6.1.3", "tPairA", VkSNMPSyntax::integer, VkSNMPAccess::readonly},
    {ROOT ".6.1.4", "tPairB", VkSNMPSyntax::displaystr, VkSNMPAccess::readonly},
    {}};
// The last column of the agent's view (the view-tree family types of its
// access control), so that a walk of it runs into the end of the view.
#define LAST_COLUMN "1.3.6.1.6.3.16.1.5.2.1.6"
const VkSNMPVarEntry kEndOfView[] = {
    {LAST_COLUMN, "vacmViewTreeFamilyType", VkSNMPSyntax::integer, VkSNMPAccess::readonly},
    {}};

class RequestOverVersions : public ::testing::TestWithParam<AccessMode> {
protected:
    void SetUp() override { ASSERT_TRUE(agent_.Started()); }

    std::unique_ptr<VkSNMPRequest> NewRequest(const VkSNMPVarEntry* rows, VkSNMPVarListKind kind,
                                              int keyCount) {
        auto request = std::make_unique<VkSNMPRequest>();
        GetParam().ApplyTo(*request, agent_.Sim());
        request->vars = VkSNMPVarList(rows, kind, keyCount);
        request->onError = [this](const VkSNMPError& error) { reported_.push_back(error); };
        return request;
    }

    bool IsV1() const { return GetParam().version == 0; }

    // The bindings of the last GET the agent received.
    std::string LastGet() {
        support::ControlReply log = agent_.Sim().Control("log");
        for (auto line = log.lines.rbegin(); line != log.lines.rend(); ++line)
            if (line->rfind("GET ", 0) == 0) return *line;
        return std::string();
    }

    // The rows net-snmp's snmpwalk reads from the last column of the view.
    Rows LastColumnByTheTools() {
        support::ToolResult walk = support::RunSnmp("snmpwalk", {"-v2c", "-c", "rdcomm"},
                                                    agent_.Sim().Address(), {"-Oqv", LAST_COLUMN});
        EXPECT_EQ(walk.exitCode, 0) << walk.output;
        Rows rows;
        std::istringstream lines(walk.output);
        for (std::string line; std::getline(lines, line);)
            if (!line.empty() && line.rfind("No more variables", 0) != 0) rows.push_back({line});
        EXPECT_FALSE(rows.empty());
        return rows;
    }

    snmptest::TestAgent agent_;
    std::vector<VkSNMPError> reported_;
};

TEST_P(RequestOverVersions, ReadsScalarsAndInstances) {
    auto scalars = NewRequest(kScalars, SVT_SV, 0);
    scalars->vars.Item(1)->access = VkSNMPAccess::invalid;
    bool ok = false;
    EXPECT_FALSE(scalars->GetSync(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(snmptest::Values(scalars->vars), (std::vector<std::string>{"7", "", "42"}));
    std::string get = LastGet();
    EXPECT_NE(get.find(ROOT ".1.1.0"), std::string::npos) << get;
    EXPECT_EQ(get.find(ROOT ".1.2.0"), std::string::npos) << get;
    EXPECT_NE(get.find(ROOT ".1.3.0"), std::string::npos) << get;

    auto instance = NewRequest(kInstance, MVT_SV, 0);
    EXPECT_FALSE(instance->GetSync(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(snmptest::Values(instance->vars), (std::vector<std::string>{"5", "inst"}));

    auto later = NewRequest(kInstance, MVT_SV, 0);
    VkSNMPError result;
    int calls = 0;
    later->GetAsync([&](void* userData, VkSNMPError* error, VkSNMPVarList*) {
        EXPECT_EQ(userData, &calls);
        result = *error;
        ++calls;
    }, &calls, true);
    ASSERT_TRUE(snmptest::RunUntil([&] { return calls > 0; }));
    EXPECT_EQ(result.code, 0) << result.text;
    EXPECT_TRUE(result.endOfTable);
    EXPECT_EQ(result.agentAddress, "127.0.0.1");
    EXPECT_EQ(result.agentPort, agent_.Sim().Port());
    EXPECT_EQ(snmptest::Values(later->vars), (std::vector<std::string>{"5", "inst"}));
    EXPECT_TRUE(reported_.empty());
}

struct WalkCase {
    const char* name;
    const VkSNMPVarEntry* rows;
    int keyCount;
    Rows expected;
};

TEST_P(RequestOverVersions, WalksTablesSynchronouslyAndAsynchronously) {
    const WalkCase cases[] = {
        {"no rows", kNoRows, 1, {}},
        {"one row", kOneRow, 1, {{"5", "11", "five"}}},
        {"two rows", kTwoRows, 1, {{"1", "21", "two"}, {"2", "22", "deux"}}},
        {"two index columns", kTwoKeys, 2, {{"1", "7", "17", "a"}, {"2", "9", "29", "b"}}},
        {"end of the agent's view", kEndOfView, 0, LastColumnByTheTools()},
    };
    for (const WalkCase& c : cases) {
        SCOPED_TRACE(c.name);
        // An SNMPv1 agent ends a walk past its view with noSuchName: the walk
        // stops quietly with ok false.
        bool quietV1End = IsV1() && c.rows == kEndOfView;
        auto request = NewRequest(c.rows, MVT_UMV, c.keyCount);
        bool ok = false;
        EXPECT_EQ(snmptest::WalkSync(*request, ok), c.expected);
        EXPECT_EQ(ok, !quietV1End);
        if (!quietV1End) {
            for (int i = c.keyCount; i < request->vars.Count(); ++i)
                EXPECT_EQ(request->vars.Item(i)->value, "(NOTDONE)");
        }

        auto later = NewRequest(c.rows, MVT_UMV, c.keyCount);
        snmptest::AsyncWalk walk;
        snmptest::StartAsyncWalk(*later, walk);
        ASSERT_TRUE(snmptest::RunUntil([&] { return walk.done; }));
        EXPECT_EQ(walk.rows, c.expected);
        EXPECT_EQ(walk.finalCode, 0);
    }
    EXPECT_TRUE(reported_.empty()) << reported_.front().text;
}

TEST_P(RequestOverVersions, WritesRowsAndNull) {
    auto row = NewRequest(kTwoRows, MVT_UMV, 1);
    row->vars.Item(0)->value = "2";
    row->vars.Item(1)->value = "222";
    row->vars.Item(2)->value = "zwei";
    bool ok = false;
    EXPECT_FALSE(row->SetSync(ok, false, "", nullptr));
    EXPECT_TRUE(ok);
    EXPECT_EQ(agent_.Value(ROOT ".5.1.2.2"), "222");
    EXPECT_NE(agent_.Value(ROOT ".5.1.3.2").find("zwei"), std::string::npos);
    EXPECT_EQ(agent_.Value(ROOT ".5.1.2.1"), "21");

    auto scalar = NewRequest(kScalars, SVT_SV, 0);
    scalar->vars.Item(0)->value = "55";
    scalar->vars.Item(1)->access = VkSNMPAccess::invalid;
    scalar->vars.Item(2)->access = VkSNMPAccess::invalid;
    int code = 1;
    scalar->SetAsync([&](void*, VkSNMPError* result, VkSNMPVarList*) { code = result->code; }, nullptr,
                     false, "", nullptr);
    ASSERT_TRUE(snmptest::RunUntil([&] { return code != 1; }));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(agent_.Value(ROOT ".1.1.0"), "55");

    // A selection writes only the items it names, with the values given in
    // its order; the list is left as it was.
    auto selected = NewRequest(kScalars, SVT_SV, 0);
    selected->vars.Item(0)->value = "66";
    selected->vars.Item(1)->value = "kept";
    const std::vector<std::string> values = {"chosen"};
    EXPECT_FALSE(selected->SetSync(ok, false, "1", &values));
    EXPECT_TRUE(ok);
    EXPECT_NE(agent_.Value(ROOT ".1.2.0").find("chosen"), std::string::npos);
    EXPECT_EQ(agent_.Value(ROOT ".1.1.0"), "55");
    EXPECT_EQ(snmptest::Values(selected->vars), (std::vector<std::string>{"66", "kept", ""}));
    EXPECT_EQ(selected->vars.Item(0)->access, VkSNMPAccess::readwrite);
    // The asynchronous write leaves the list as it was too, at once.
    const std::vector<std::string> later = {"chosen later"};
    code = 1;
    selected->SetAsync([&](void*, VkSNMPError* result, VkSNMPVarList*) { code = result->code; }, nullptr, false,
                       "1", &later);
    EXPECT_EQ(snmptest::Values(selected->vars), (std::vector<std::string>{"66", "kept", ""}));
    EXPECT_EQ(selected->vars.Item(0)->access, VkSNMPAccess::readwrite);
    ASSERT_TRUE(snmptest::RunUntil([&] { return code != 1; }));
    EXPECT_EQ(code, 0);
    EXPECT_NE(agent_.Value(ROOT ".1.2.0").find("chosen later"), std::string::npos);
    EXPECT_EQ(snmptest::Values(selected->vars), (std::vector<std::string>{"66", "kept", ""}));
    EXPECT_TRUE(reported_.empty());
}

// A walked table's list without index columns has no row index to write
// at: its columns are written at instance 0.
TEST(RequestPdu, ATableListWithoutIndexColumnsWritesAtInstanceZero) {
    VkSNMPRequest request;
    request.vars = VkSNMPVarList(kTwoRows, MVT_UMV, 0);
    request.vars.Item(0)->access = VkSNMPAccess::invalid;
    request.vars.Item(2)->access = VkSNMPAccess::invalid;
    request.vars.Item(1)->value = "5";
    const std::vector<VkSNMPVarBind> pdu = request.BuildPdu(2);
    ASSERT_EQ(pdu.size(), 1u);
    EXPECT_EQ(OidToText(pdu[0].oid), ROOT ".5.1.2.0");
}

struct RefusedSet {
    const char* name;
    VkSNMPVarEntry entry;
    const char* value;
    int v2Code;  // SNMPv2c and SNMPv3
    int v1Code;
};

TEST_P(RequestOverVersions, RefusedWritesReportTheMappedCode) {
    const RefusedSet cases[] = {
        {"(NULL)", {ROOT ".1.1", "n", VkSNMPSyntax::integer, VkSNMPAccess::readwrite}, "(NULL)", -107, -103},
        {"read-only object", {ROOT ".1.3", "r", VkSNMPSyntax::integer, VkSNMPAccess::readwrite}, "1", -117, -102},
        {"wrong type", {ROOT ".1.1", "t", VkSNMPSyntax::displaystr, VkSNMPAccess::readwrite}, "abc", -107, -103},
        {"wrong value", {ROOT ".1.1", "v", VkSNMPSyntax::integer, VkSNMPAccess::readwrite}, "300", -110, -103},
    };
    for (const RefusedSet& c : cases) {
        SCOPED_TRACE(c.name);
        const VkSNMPVarEntry rows[] = {c.entry, {}};
        auto request = NewRequest(rows, SVT_SV, 0);
        request->vars.Item(0)->value = c.value;
        reported_.clear();
        bool ok = true;
        EXPECT_FALSE(request->SetSync(ok, false, "", nullptr));
        EXPECT_FALSE(ok);
        int expected = IsV1() ? c.v1Code : c.v2Code;
        ASSERT_EQ(reported_.size(), 1u);
        EXPECT_EQ(reported_[0].code, expected);
        EXPECT_EQ(reported_[0].text, MessageText(expected));
        EXPECT_EQ(reported_[0].errorCount, 1);
        EXPECT_EQ(request->ErrorCount(), 1);
        EXPECT_EQ(request->vars.Item(0)->value, c.value);  // the list is restored
    }
    EXPECT_EQ(agent_.Value(ROOT ".1.1.0"), "7");
}

INSTANTIATE_TEST_SUITE_P(Versions, RequestOverVersions, ::testing::ValuesIn(snmptest::AllModes()),
                         [](const ::testing::TestParamInfo<AccessMode>& info) { return info.param.name; });

}  // namespace
