// GET and SET PDUs without variable bindings (the module sends them in normal
// use) are answered with noError and no bindings, in SNMPv1 and SNMPv2c.
// net-snmp's tools cannot send them, so this test uses the library directly.

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <gmock/gmock.h>

#include <cstring>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

// The client library, set up once without any configuration files.
void InitClientLibrary() {
    static bool done = false;
    if (done) return;
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    setenv("MIBS", "", 1);
    init_snmp("vap7720-simtest");
    done = true;
}

struct EmptyPduCase {
    const char* name;
    long version;
    const char* community;
    int command;
};

void PrintTo(const EmptyPduCase& c, std::ostream* out) { *out << c.name; }

class simEmptyPdu : public SimTest, public ::testing::WithParamInterface<EmptyPduCase> {};

TEST_P(simEmptyPdu, IsAnsweredWithNoErrorAndNoBindings) {
    const EmptyPduCase& c = GetParam();
    InitClientLibrary();
    netsnmp_session settings;
    snmp_sess_init(&settings);
    std::string peer = sim_.Address();
    settings.peername = peer.data();
    settings.version = c.version;
    settings.community = reinterpret_cast<u_char*>(const_cast<char*>(c.community));
    settings.community_len = std::strlen(c.community);
    settings.timeout = 1000000;
    settings.retries = 1;
    netsnmp_session* session = snmp_open(&settings);
    ASSERT_NE(nullptr, session);

    netsnmp_pdu* response = nullptr;
    int status = snmp_synch_response(session, snmp_pdu_create(c.command), &response);
    ASSERT_EQ(STAT_SUCCESS, status);
    ASSERT_NE(nullptr, response);
    EXPECT_EQ(SNMP_MSG_RESPONSE, response->command);
    EXPECT_EQ(SNMP_ERR_NOERROR, response->errstat);
    EXPECT_EQ(nullptr, response->variables);
    snmp_free_pdu(response);
    snmp_close(session);

    std::vector<std::string> log = Command("log");
    ASSERT_EQ(1u, log.size());
    EXPECT_THAT(log[0], ::testing::MatchesRegex(std::string(c.command == SNMP_MSG_SET ? "SET" : "GET") +
                                                (c.version == SNMP_VERSION_1 ? " v1" : " v2c") +
                                                " [0-9]+"));
}

const EmptyPduCase kEmptyPduCases[] = {
    {"v1Get", SNMP_VERSION_1, "public", SNMP_MSG_GET},
    {"v1Set", SNMP_VERSION_1, "private", SNMP_MSG_SET},
    {"v2cGet", SNMP_VERSION_2c, "public", SNMP_MSG_GET},
    {"v2cSet", SNMP_VERSION_2c, "private", SNMP_MSG_SET},
};

INSTANTIATE_TEST_SUITE_P(sim, simEmptyPdu, ::testing::ValuesIn(kEmptyPduCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace simtest
