// The traffic counters of the simulated access point: each read is followed
// by more traffic, and a clear command zeroes its interface's counters only.

#include <gtest/gtest.h>

#include <string>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

const std::string kWlanTxBytes = E(".5.2.2.1.1.1.20.1");
const std::string kWlanRxPhyErrors = E(".5.2.2.1.1.1.29.1");
const std::string kWlanClear = E(".5.2.2.1.1.1.30.1");
const std::string kEthernetRxPackets = E(".5.2.1.1.1.1.4.1");
const std::string kEthernetClear = E(".5.2.1.1.1.1.16.1");

long Number(const std::string& text) { return std::stol(text); }

class simTraffic : public SimTest {};

TEST_F(simTraffic, CountersGrowBetweenReads) {
    const long first = Number(Value(kV2Read, kWlanTxBytes));
    const long second = Number(Value(kV2Read, kWlanTxBytes));
    EXPECT_GT(second, first);
    EXPECT_EQ(Value(kV2Read, kWlanRxPhyErrors), Value(kV2Read, kWlanRxPhyErrors)) << "errors are rare";
}

TEST_F(simTraffic, AClearZeroesItsOwnInterfaceOnly) {
    const long ethernetBefore = Number(Value(kV2Read, kEthernetRxPackets));
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kWlanClear, "i", "1"}).exitCode);
    EXPECT_EQ("0", Value(kV2Read, kWlanTxBytes)) << "the first read after the clear";
    EXPECT_EQ("0", Value(kV2Read, kWlanRxPhyErrors));
    EXPECT_GT(Number(Value(kV2Read, kWlanTxBytes)), 0) << "and it counts again";
    EXPECT_GT(Number(Value(kV2Read, kEthernetRxPackets)), ethernetBefore) << "the LAN side keeps counting";
    EXPECT_EQ("0", Value(kV2Read, kWlanClear)) << "the command reads nothing again";

    ASSERT_EQ(0, Run("snmpset", kV2Write, {kEthernetClear, "i", "1"}).exitCode);
    EXPECT_EQ("0", Value(kV2Read, kEthernetRxPackets));
}

}  // namespace
}  // namespace simtest
