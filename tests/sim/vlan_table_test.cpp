// The VLAN objects of the simulated access point: a row's own delete action
// frees that row only, after the other values of its SET, and the port list
// is rebuilt from the VLAN table when it is refreshed.

#include <gtest/gtest.h>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

std::string Cell(int column, int row) {
    return E(".3.6.1.3.1." + std::to_string(column) + "." + std::to_string(row));
}
std::string PortCell(int column, int port) {
    return E(".3.6.3.2.1." + std::to_string(column) + "." + std::to_string(port));
}
const std::string kRefresh = E(".3.6.3.1.0");
constexpr int kVid = 2;
constexpr int kName = 3;
constexpr int kMgmt = 4;
constexpr int kDelete = 22;

class simVlan : public SimTest {};

TEST_F(simVlan, ARowsDeleteActionFreesThatRowAloneAndReadsNothingAgain) {
    // Rows 1 (VID 1) and 2 (VID 20) hold VLANs.
    ASSERT_EQ(0, Run("snmpset", kV2Write, {Cell(kDelete, 1), "i", "1"}).exitCode);
    EXPECT_EQ("0", Held(Cell(kVid, 1)));
    EXPECT_EQ("0", Held(Cell(kMgmt, 1)));
    EXPECT_EQ("0", Held(Cell(kDelete, 1)));
    EXPECT_EQ("20", Held(Cell(kVid, 2))) << "the next row stays";
    EXPECT_EQ("0", Value(kV2Read, Cell(kDelete, 1)));

    // In one SET the deletion acts after the row's other values.
    ASSERT_EQ(0, Run("snmpset", kV2Write, {Cell(kDelete, 2), "i", "1", Cell(kVid, 2), "i", "21"}).exitCode);
    EXPECT_EQ("0", Held(Cell(kVid, 2)));
    // 0 deletes nothing; a row written without its action keeps it.
    ASSERT_EQ(0, Run("snmpset", kV2Write, {Cell(kVid, 3), "i", "30", Cell(kDelete, 3), "i", "0"}).exitCode);
    EXPECT_EQ("30", Held(Cell(kVid, 3)));
}

TEST_F(simVlan, TheRefreshedPortListNamesTheVidsEachPortCarries) {
    ASSERT_EQ(0, Run("snmpset", kV2Write, {Cell(kVid, 5), "i", "50", Cell(kName, 5), "s", "five", Cell(kMgmt, 5),
                                           "i", "1", Cell(kMgmt + 1, 5), "i", "2"})
                     .exitCode);
    EXPECT_EQ("\"\"", Held(PortCell(2, 1))) << "rebuilt on a refresh only (an empty text)";
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kRefresh, "i", "1"}).exitCode);
    EXPECT_EQ("50", Held(PortCell(2, 1))) << "Mgmt tagged in VLAN 50";
    EXPECT_EQ("1", Held(PortCell(3, 1)));
    EXPECT_EQ("20", Held(PortCell(2, 2))) << "LAN tagged in the guest VLAN";
    EXPECT_EQ("1,50", Held(PortCell(3, 2)));
    EXPECT_EQ("Mgmt", Held(PortCell(4, 1)));
    EXPECT_EQ("0", Held(kRefresh));
}

}  // namespace
}  // namespace simtest
