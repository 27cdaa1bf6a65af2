// The Intrusion and AP Array pages without a device: their list and name
// rules as tables, and their tables against the simulator's object data.

#include <gtest/gtest.h>

#include <string>

#include "pages/wireless/ap_array_page_rules.h"
#include "pages/wireless/ap_array_page_vars.h"
#include "pages/wireless/rogue_ap_page_rules.h"
#include "pages/wireless/rogue_ap_page_vars.h"
#include "sim/object_store.h"
#include "tests/shell/served_tables.h"

namespace {

// Each row: the filter combo's text, a row's type, whether it is listed.
TEST(RogueApRules, TheFilterListsEveryRowOrExactlyItsType) {
    struct Case {
        const char* combo;
        const char* type;
        bool listed;
    } const cases[] = {
        {"All", "rogue", true},          {"All", "new", true},        {"Valid", "valid", true},
        {"Valid", "new", false},         {"New", "new", true},        {"Neighborhood", "neighborhood", true},
        {"Neighborhood", "valid", false}, {"Rogue", "rogue ", false}, {"Rogue", "Rogue", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.combo) + " / " + c.type);
        EXPECT_EQ(SurveyRowListed(SurveyFilterOf(c.combo), c.type), c.listed);
    }
}

TEST(RogueApRules, MarkAllNewIsOfferedWhereNewRowsCanBeListed) {
    for (const char* combo : {"All", "New"}) EXPECT_TRUE(MarkAllNewOffered(combo)) << combo;
    for (const char* combo : {"Valid", "Neighborhood", "Rogue", ""}) EXPECT_FALSE(MarkAllNewOffered(combo)) << combo;
}

// Each row: a name typed; the message and caption of the first check it
// fails ("" when it passes).
TEST(ApArrayRules, TheNameChecksRunInOrder) {
    struct Case {
        const char* name;
        const char* message;
        const char* caption;
    } const cases[] = {
        {"", ArrayNameBlankText, "Warning"},
        {" ", ArrayNameFirstBlankText, "Error"},
        {" array", ArrayNameFirstBlankText, "Error"},
        {"array ", ArrayNameEdgeBlankText, "Error"},
        {"my array", ArrayNameInvalidText, "Warning"},
        {"array#1", ArrayNameInvalidText, "Warning"},
        {"caf\xe9", ArrayNameInvalidText, "Warning"},
        {"a/b", ArrayNameInvalidText, "Warning"},
        {"Array-1.lab_2@site", "", ""},
        {"abcdefghijklmnopqrstuvwxyz012345", "", ""},
        {"abcdefghijklmnopqrstuvwxyz0123456", ArrayNameLengthText, "Warning"},
        {" abcdefghijklmnopqrstuvwxyz0123456", ArrayNameFirstBlankText, "Error"},
        {"x", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ArrayNameRefusal refusal = CheckArrayName(c.name);
        EXPECT_EQ(refusal.message, c.message);
        EXPECT_EQ(refusal.caption, c.caption);
    }
    EXPECT_EQ(std::string(ArrayNameInvalidText),
              "There are some invalid characters in the AP Array Name field.Please check it.");
}

TEST(ApArrayRules, NameCharactersAreLettersDigitsAndFourSigns) {
    EXPECT_TRUE(IsArrayNameChars(""));
    EXPECT_TRUE(IsArrayNameChars("azAZ09@._-"));
    for (const char* text : {"a b", "a!", "a+b", "a:b", "[a]", "a\tb", "\x80"}) EXPECT_FALSE(IsArrayNameChars(text)) << text;
}

TEST(ApArrayRules, OnlyTheThreeRolesHavePositions) {
    EXPECT_FALSE(IsRolePosition(-1));
    for (int position : {0, 1, 2}) EXPECT_TRUE(IsRolePosition(position)) << position;
    EXPECT_FALSE(IsRolePosition(3));
}

TEST(SurveyPageTables, EveryRowIsServedAlike) {
    sim::ObjectStore store;
    served::LoadSimObjects(store);
    served::ExpectTableServed(store, "VarsRogueApRefresh", VarsRogueApRefresh, SVT_SV);
    served::ExpectTableServed(store, "VarsRogueApSurvey", VarsRogueApSurvey, MVT_UMV);
    served::ExpectTableServed(store, "VarsRogueApAddToValid", VarsRogueApAddToValid, SVT_SV);
    served::ExpectTableServed(store, "VarsRogueApAddToNeighbor", VarsRogueApAddToNeighbor, SVT_SV);
    served::ExpectTableServed(store, "VarsRogueApAddToRogue", VarsRogueApAddToRogue, SVT_SV);
    served::ExpectTableServed(store, "VarsRogueApAddToNew", VarsRogueApAddToNew, SVT_SV);
    served::ExpectTableServed(store, "VarsRogueApPolicy", VarsRogueApPolicy, SVT_SV);
    served::ExpectTableServed(store, "VarsApArraySettings", VarsApArraySettings, SVT_SV);
    served::ExpectTableServed(store, "VarsApArrayScanStatus", VarsApArrayScanStatus, MVT_SV);
    served::ExpectTableServed(store, "VarsApArrayScan", VarsApArrayScan, MVT_SV);
    // The scan list's rows carry the walked list's captions.
    served::ExpectTableServed(store, "VarsApArrayScanList", VarsApArrayScanList, MVT_UMV, false);
    served::ExpectTableServed(store, "VarsApArrayMembers", VarsApArrayMembers, MVT_UMV);
    served::ExpectTableServed(store, "VarsApArraySync", VarsApArraySync, MVT_SV);
}

}  // namespace
