// VkSNMPRequest against Debian's snmpd: reads, a table walk and writes over
// SNMPv1, SNMPv2c and SNMPv3, with net-snmp's tools as the oracle.

#include <gtest/gtest.h>

#include <sstream>

#include "library/common/messages.h"
#include "tests/library/snmp/snmp_session_env.h"
#include "tests/library/snmp/snmpd_agent.h"
#include "tests/support/snmp_tools.h"

namespace {

using snmptest::AccessMode;
using Rows = std::vector<std::vector<std::string>>;

const VkSNMPVarEntry kSystem[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", VkSNMPSyntax::displaystr, VkSNMPAccess::readonly},
    {"1.3.6.1.2.1.1.2", "sysObjectID", VkSNMPSyntax::objectid, VkSNMPAccess::readonly},
    {"1.3.6.1.2.1.1.6", "sysLocation", VkSNMPSyntax::displaystr, VkSNMPAccess::readonly},
    {"1.3.6.1.2.1.1.7", "sysServices", VkSNMPSyntax::integer, VkSNMPAccess::readonly},
    {}};
const VkSNMPVarEntry kSysOrTable[] = {
    {"1.3.6.1.2.1.1.9.1.1", "sysORIndex", VkSNMPSyntax::integer, VkSNMPAccess::notaccess},
    {"1.3.6.1.2.1.1.9.1.3", "sysORDescr", VkSNMPSyntax::displaystr, VkSNMPAccess::readonly},
    {}};

class RequestAgainstSnmpd : public ::testing::TestWithParam<AccessMode> {
protected:
    void SetUp() override { ASSERT_TRUE(agent_.Started()) << agent_.Log(); }

    std::unique_ptr<VkSNMPRequest> NewRequest(const VkSNMPVarEntry* rows, VkSNMPVarListKind kind,
                                              int keyCount) {
        auto request = std::make_unique<VkSNMPRequest>();
        const AccessMode& mode = GetParam();
        request->address = "127.0.0.1";
        request->port = static_cast<uint16_t>(agent_.Port());
        request->version = static_cast<uint8_t>(mode.version);
        request->readCommunity = mode.readCommunity;
        request->writeCommunity = mode.writeCommunity;
        request->securityModel = mode.version == 3 ? 3 : mode.version + 1;
        request->securityLevel = mode.securityLevel;
        request->securityName = mode.user;
        request->authProtocol = mode.authProtocol;
        request->authPassword = mode.authPassword;
        request->privProtocol = mode.privProtocol;
        request->privPassword = mode.privPassword;
        request->timeout = 200;
        request->vars = VkSNMPVarList(rows, kind, keyCount);
        request->onError = [this](const VkSNMPError& error) { reported_.push_back(error); };
        return request;
    }

    // "OID value" lines of snmpwalk/snmpget (-On -Oq), values unquoted.
    std::vector<std::pair<std::string, std::string>> Tool(const std::string& tool, const std::string& oid) {
        support::ToolResult run = support::RunSnmp(tool, {"-v2c", "-c", "rdcomm"}, agent_.Address(),
                                                   {"-Oq", oid});
        EXPECT_EQ(run.exitCode, 0) << run.output;
        std::vector<std::pair<std::string, std::string>> lines;
        std::istringstream text(run.output);
        for (std::string line; std::getline(text, line);) {
            std::size_t blank = line.find(' ');
            if (line.empty() || blank == std::string::npos) continue;
            std::string value = line.substr(blank + 1);
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            lines.emplace_back(line.substr(1, blank - 1), value);  // OID without its leading dot
        }
        return lines;
    }

    bool IsV1() const { return GetParam().version == 0; }

    snmptest::SnmpdAgent agent_;
    std::vector<VkSNMPError> reported_;
};

TEST_P(RequestAgainstSnmpd, ReadsScalarsAndWalksATable) {
    auto system = NewRequest(kSystem, SVT_SV, 0);
    bool ok = false;
    system->GetSync(ok, true);
    EXPECT_TRUE(ok);
    EXPECT_EQ(system->vars.Item(0)->value, Tool("snmpget", "1.3.6.1.2.1.1.1.0").at(0).second);
    EXPECT_EQ("." + system->vars.Item(1)->value, Tool("snmpget", "1.3.6.1.2.1.1.2.0").at(0).second);
    EXPECT_EQ(system->vars.Item(2)->value, "lab-bench");
    EXPECT_EQ(system->vars.Item(3)->value, "72");

    Rows expected;
    for (const auto& line : Tool("snmpwalk", "1.3.6.1.2.1.1.9.1.3"))
        expected.push_back({line.first.substr(line.first.rfind('.') + 1), line.second});
    ASSERT_FALSE(expected.empty());
    auto table = NewRequest(kSysOrTable, MVT_UMV, 1);
    EXPECT_EQ(snmptest::WalkSync(*table, ok), expected);
    EXPECT_TRUE(ok);
    auto later = NewRequest(kSysOrTable, MVT_UMV, 1);
    snmptest::AsyncWalk walk;
    snmptest::StartAsyncWalk(*later, walk);
    ASSERT_TRUE(snmptest::RunUntil([&] { return walk.done; }));
    EXPECT_EQ(walk.rows, expected);
    EXPECT_EQ(walk.finalCode, 0);
    EXPECT_TRUE(reported_.empty()) << reported_.front().text;
}

struct SnmpdSet {
    const char* name;
    const char* oid;
    int syntax;
    const char* value;
    int v2Code;
    int v1Code;
};

TEST_P(RequestAgainstSnmpd, WritesAndRefusals) {
    const SnmpdSet cases[] = {
        {"writable", "1.3.6.1.2.1.1.4", VkSNMPSyntax::displaystr, "bench owner", 0, 0},
        {"set in the configuration", "1.3.6.1.2.1.1.6", VkSNMPSyntax::displaystr, "elsewhere", -117, -102},
        {"read-only", "1.3.6.1.2.1.1.1", VkSNMPSyntax::displaystr, "x", -117, -102},
        {"wrong type", "1.3.6.1.2.1.1.5", VkSNMPSyntax::integer, "5", -107, -103},
        {"(NULL)", "1.3.6.1.2.1.1.5", VkSNMPSyntax::displaystr, "(NULL)", -107, -103},
    };
    for (const SnmpdSet& c : cases) {
        SCOPED_TRACE(c.name);
        const VkSNMPVarEntry rows[] = {{c.oid, c.name, c.syntax, VkSNMPAccess::readwrite}, {}};
        auto request = NewRequest(rows, SVT_SV, 0);
        request->vars.Item(0)->value = c.value;
        reported_.clear();
        bool ok = false;
        request->SetSync(ok, false, "", nullptr);
        int expected = IsV1() ? c.v1Code : c.v2Code;
        EXPECT_EQ(ok, expected == 0);
        if (expected == 0) {
            EXPECT_TRUE(reported_.empty());
            EXPECT_EQ(Tool("snmpget", std::string(c.oid) + ".0").at(0).second, c.value);
        } else {
            ASSERT_EQ(reported_.size(), 1u);
            EXPECT_EQ(reported_[0].code, expected) << reported_[0].text;
            EXPECT_EQ(reported_[0].text, MessageText(expected));
        }
    }
}

std::vector<AccessMode> SnmpdModes() {
    std::vector<AccessMode> modes = snmptest::AllModes();
    modes.pop_back();  // the noAuthNoPriv user is left to the simulator
    return modes;
}

INSTANTIATE_TEST_SUITE_P(Versions, RequestAgainstSnmpd, ::testing::ValuesIn(SnmpdModes()),
                         [](const ::testing::TestParamInfo<AccessMode>& info) { return info.param.name; });

TEST(RequestAgainstSnmpdSecurity, Snmpv3FailuresAreReported) {
    snmptest::SnmpdAgent agent;
    ASSERT_TRUE(agent.Started()) << agent.Log();
    struct Case {
        const char* name;
        AccessMode user;
        int code;
    };
    const Case cases[] = {
        {"wrong authentication pass phrase", snmptest::V3User("mdes", 3, 2, "wrongAuth1", 2, "mdesPriv1"), -308},
        {"unknown user", snmptest::V3User("nobody", 1, 1, "", 1, ""), -304},
        {"wrong privacy pass phrase", snmptest::V3User("mdes", 3, 2, "mdesAuth1", 2, "wrongPriv1"), -405},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VkSNMPRequest request;
        request.address = "127.0.0.1";
        request.port = static_cast<uint16_t>(agent.Port());
        request.version = 3;
        request.securityLevel = c.user.securityLevel;
        request.securityName = c.user.user;
        request.authProtocol = c.user.authProtocol;
        request.authPassword = c.user.authPassword;
        request.privProtocol = c.user.privProtocol;
        request.privPassword = c.user.privPassword;
        request.timeout = 100;
        request.vars = VkSNMPVarList(kSystem, SVT_SV, 0);
        std::vector<int> codes;
        request.onError = [&](const VkSNMPError& error) { codes.push_back(error.code); };
        bool ok = true;
        request.GetSync(ok, true);
        EXPECT_FALSE(ok);
        EXPECT_EQ(codes, std::vector<int>{c.code});
    }
}

}  // namespace
