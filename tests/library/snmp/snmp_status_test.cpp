#include "library/snmp/snmp_status.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "library/common/messages.h"

namespace {

const char* const kOk = "(ZuDUZU++) Ok!";
const char* const kUnknown = "(ZuDUZU++) Unknown error code!";

struct StatusCase {
    int status;
    int code;
    const char* text;
};

// Every range of MapSNMPStatus with its boundaries; texts typed independently of the tables.
const StatusCase kCases[] = {
    // success values
    {0, 0, kOk},
    {1400, 0, kOk},
    {-1401, 0, kOk},
    // SNMPv3 user-based security 1401..1414 -> 1100 - s
    {1401, -301, "(SNMPv3USM) error!"},
    {1402, -302, "(SNMPv3USM) Configfile write error!"},
    {1407, -307, "(SNMPv3USM) Authentication error!"},
    {1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
    {1414, -314, "(SNMPv3USM) Address error!"},
    {1415, -528, kUnknown},
    {1399, -528, kUnknown},
    // SNMPv3 message processing -1418..-1402 -> s + 1201
    {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
    {-1403, -202, "(SNMPv3) Message not in Time Window!"},
    {-1412, -211, "(SNMPv3) Unknown UserName!"},
    {-1418, -217, "(SNMPv3) Report sent!"},
    {-1419, -528, kUnknown},
    {-1400, -528, kUnknown},
    // PDU error-status 1..18 -> -100 - s
    {1, -101, "(SNMP) Response PDU Too Big!"},
    {2, -102, "(SNMP) Variable does not exist!"},
    {17, -117, "(SNMP) Cannot create/set variable, Not Writable!"},
    {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
    {19, -528, kUnknown},
    // session class errors -23..-1 -> s - 400
    {-1, -401, "(SNMPClass) Operation failed!"},
    {-5, -405, "(SNMPClass) SNMP request timed out!"},
    {-9, -409, "(SNMPClass)Unknown error code!"},
    {-20, -420, "(SNMP Class) Transport is not supported!"},
    {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
    {-24, -528, kUnknown},
    // anything else
    {100, -528, kUnknown},
    {-100, -528, kUnknown},
    {-528, -528, kUnknown},
    {INT_MAX, -528, kUnknown},
    {INT_MIN, -528, kUnknown},
    {INT_MAX - 1100, -528, kUnknown},
    {INT_MIN + 400, -528, kUnknown},
};

void ResetTables() {
    for (VkMessageTable* t : {&VkSNMPPduMessages, &VkSNMPv3Messages, &VkSNMPUsmMessages,
                              &VkSNMPClassMessages, &VkSNMPLayerMessages})
        t->ResetToBuiltIn();
}

}  // namespace

TEST(SNMPStatus, EveryRangeAndBoundaryMapsToItsCodeAndText) {
    ResetTables();
    for (const StatusCase& c : kCases) {
        VkMappedStatus m = MapSNMPStatus(c.status);
        EXPECT_EQ(m.code, c.code) << "status " << c.status;
        EXPECT_EQ(m.text, c.text) << "status " << c.status;
    }
}

TEST(SNMPStatus, EveryStatusOfEveryRangeMatchesTheCodesText) {
    ResetTables();
    struct Range { int first, last, codeOfFirst, step; };
    const Range ranges[] = {
        {1401, 1414, -301, -1},
        {-1402, -1418, -201, -1},
        {1, 18, -101, -1},
        {-1, -23, -401, -1},
    };
    int mapped = 0;
    for (const Range& r : ranges) {
        int direction = r.last > r.first ? 1 : -1;
        for (int s = r.first, code = r.codeOfFirst;; s += direction, code += r.step) {
            VkMappedStatus m = MapSNMPStatus(s);
            EXPECT_EQ(m.code, code) << "status " << s;
            EXPECT_EQ(m.text, MessageText(code)) << "status " << s;
            ++mapped;
            if (s == r.last) break;
        }
    }
    EXPECT_EQ(mapped, 14 + 17 + 18 + 23);
    // Between the ranges nothing maps to a code other than -528 or 0.
    for (int s = -2000; s <= 2000; ++s) {
        int code = MapSNMPStatus(s).code;
        bool inRange = (s >= 1401 && s <= 1414) || (s >= -1418 && s <= -1402) ||
                       (s >= 1 && s <= 18) || (s >= -23 && s <= -1);
        bool success = s == 0 || s == 1400 || s == -1401;
        if (success) {
            EXPECT_EQ(code, 0) << s;
        } else if (!inRange) {
            EXPECT_EQ(code, -528) << s;
        }
    }
}

TEST(SNMPStatus, TextComesFromTheTableInForceAtTheMapping) {
    ResetTables();
    std::string path = ::testing::TempDir() + "vap_snmp_status_" + std::to_string(getpid()) + ".err";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("Too big, translated\r\nNo such variable, translated\r\n", f);
    std::fclose(f);
    LoadMessageFile(VkSNMPPduMessages, path);
    std::remove(path.c_str());
    EXPECT_EQ(MapSNMPStatus(2).text, "No such variable, translated");
    EXPECT_EQ(MapSNMPStatus(3).text, "(SNMP) Cannot modify variable: Bad Value!");
    ResetTables();
    EXPECT_EQ(MapSNMPStatus(2).text, "(SNMP) Variable does not exist!");
}

TEST(SNMPStatus, ErrorRecordDefaultsAndCallback) {
    ResetTables();
    VkSNMPError e;
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.errorIndex, 0);
    EXPECT_EQ(e.text, "");
    EXPECT_EQ(e.agentAddress, "");
    EXPECT_EQ(e.agentPort, 0);
    EXPECT_FALSE(e.endOfTable);
    EXPECT_EQ(e.errorCount, 0);

    e.SetStatus(-5);
    EXPECT_EQ(e.code, -405);
    EXPECT_EQ(e.text, "(SNMPClass) SNMP request timed out!");

    std::vector<int> seen;
    VkSNMPErrorCallback onError = [&seen](const VkSNMPError& r) { seen.push_back(r.code); };
    VkSNMPErrorCallback none;
    EXPECT_FALSE(none);
    onError(e);
    EXPECT_EQ(seen, std::vector<int>{-405});
}
