// The device's MAC access-control list on the standard object data: adds
// into the first free row, deletes by address, refusals that change nothing,
// and the list as a file, sent and taken.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "sim/mac_acl.h"
#include "sim/object_file.h"
#include "sim/value.h"

namespace {

using sim::ActionResult;

const std::string kAdd = "E.2.1.3.3.2.3.2.1.2.1";
const std::string kDelete = "E.2.1.3.3.2.3.2.1.3.1";
std::string Row(int row) { return "E.2.1.3.3.2.3.3.1.2." + std::to_string(row); }
// A distinct address for each number.
std::string Numbered(int n) {
    char mac[16];
    snprintf(mac, sizeof mac, "0200%08X", n);
    return mac;
}

class MacAclTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim::LoadObjectFolder(VAP_SIM_OBJECT_FOLDER, store, error)) << error;
        // Rows 1 and 3 hold entries, row 2 is free.
        ASSERT_EQ(Held(1), "00A0C5112233");
        ASSERT_EQ(Held(2), "000000000000");
        ASSERT_EQ(Held(3), "00A0C5445566");
    }

    sim::Oid At(const std::string& text) {
        sim::Oid oid;
        EXPECT_TRUE(sim::ParseOid(text, oid));
        return oid;
    }
    void Put(const std::string& oid, const std::string& mac) {
        sim::Value value;
        ASSERT_TRUE(sim::ParseValue(sim::Syntax::Mac, mac, value));
        store.Put(At(oid), value);
    }
    std::string Held(int row) { return sim::FormatValue(store.Find(At(Row(row)))->value); }
    // Writes the address into the action object and runs it, as one SET does.
    ActionResult Write(const std::string& action, const std::string& mac) {
        Put(action, mac);
        sim::Oid failed;
        ActionResult result = acl.Run(store, {At(action)}, failed);
        if (result != ActionResult::Done) {
            EXPECT_EQ(failed, At(action));
        }
        return result;
    }

    sim::ObjectStore store;
    sim::MacAcl acl;
};

TEST_F(MacAclTest, AddFillsTheFirstFreeRowAndDeleteFreesTheAddressRow) {
    EXPECT_EQ(Write(kAdd, "0011223344AA"), ActionResult::Done);
    EXPECT_EQ(Held(2), "0011223344AA");
    EXPECT_EQ(sim::FormatValue(store.Find(At(kAdd))->value), "000000000000") << "the action reads empty again";
    EXPECT_EQ(Write(kAdd, "0011223344BB"), ActionResult::Done);
    EXPECT_EQ(Held(4), "0011223344BB");

    EXPECT_EQ(Write(kDelete, "00A0C5445566"), ActionResult::Done);
    EXPECT_EQ(Held(3), "000000000000");
    EXPECT_EQ(Held(4), "0011223344BB") << "the other rows stay where they are";
}

TEST_F(MacAclTest, RefusedActionsChangeNothing) {
    const std::string before = acl.FileText(store);
    EXPECT_EQ(Write(kAdd, "00a0c5112233"), ActionResult::Duplicate) << "the same address in lower case";
    EXPECT_EQ(Write(kAdd, "000000000000"), ActionResult::NotFound);
    EXPECT_EQ(Write(kDelete, "0011223344AA"), ActionResult::NotFound);
    EXPECT_EQ(Write(kDelete, "000000000000"), ActionResult::NotFound) << "a free row is no entry";
    EXPECT_EQ(acl.FileText(store), before);

    for (int row = 1; row <= 256; ++row) Put(Row(row), Numbered(row));
    EXPECT_EQ(Write(kAdd, "0011223344AA"), ActionResult::Full);
}

TEST_F(MacAclTest, TheListAsAFileGoesBothWays) {
    EXPECT_EQ(acl.FileText(store), "00A0C5112233\n00A0C5445566\n");

    EXPECT_TRUE(acl.Adopt(store, "0011223344aa\r\n\n0011223344BB\n"));
    EXPECT_EQ(Held(1), "0011223344AA");
    EXPECT_EQ(Held(2), "0011223344BB");
    EXPECT_EQ(Held(3), "000000000000") << "rows the file does not fill are freed";
    EXPECT_TRUE(acl.Adopt(store, ""));
    EXPECT_EQ(acl.FileText(store), "");
}

TEST_F(MacAclTest, AFileThatIsNoListIsNotTaken) {
    const std::string before = acl.FileText(store);
    std::string tooMany;
    for (int n = 1; n <= 257; ++n) tooMany += Numbered(n) + "\n";
    for (const std::string& file : {std::string("0011223344AA\nfirmware 1.0\n"), std::string("0011223344A\n"),
                                    std::string("0011223344AA\n0011223344aa\n"), std::string("000000000000\n"),
                                    tooMany}) {
        SCOPED_TRACE(file.substr(0, 40));
        EXPECT_FALSE(acl.Adopt(store, file));
        EXPECT_EQ(acl.FileText(store), before);
    }
}

}  // namespace
