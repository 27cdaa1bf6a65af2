#include "library/snmp/var_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/os/exception.h"

namespace {

using namespace VkSNMPAccess;
using namespace VkSNMPSyntax;

const VkOptionEntry kStatusRows[] = {{0, "Disable"}, {1, "Enable"}, {}};
const VkOptionList OptStatus(kStatusRows, OPT_INT, false);

const std::string kInitialValue = "preset";
const std::string kInitialInstance = "1.3.6.1.9.1";

// A table indexed by an interface taken from another table (" ") and by a
// column of its own, with one row of every kind of access.
const VkSNMPVarEntry VarsSample[] = {
    {" ", "ifIndex", integer, notaccess},
    {"1.3.6.1.9.1", "sampleIndex", integer, notaccess},
    {"1.3.6.1.9.2", "sampleStatus", integer, readwrite, &OptStatus},
    {"1.3.6.1.9.3", "sampleName", displaystr, readonly},
    {"1.3.6.1.9.4", "sampleSecret", displaystr, writeonly},
    {"1.3.6.1.9.5", "sampleSkipped", integer, invalid},
    {"1.3.6.1.9.6", "sampleKept", ipaddress, readwrite | hidden},
    {"1.3.6.1.9.7", "sampleExtra", octetstr, readwrite, nullptr, "$*2", "$/2", "spare",
     &kInitialValue, &kInitialInstance},
    {},
};

std::vector<std::string> Values(const VkSNMPVarList& list) {
    std::vector<std::string> values;
    for (int i = 0; i < list.Count(); ++i) values.push_back(list.Item(i)->value);
    return values;
}

}  // namespace

TEST(VarList, CountVarEntriesStopsAtTheFirstNullOid) {
    const VkSNMPVarEntry closedFirst[] = {{}, {"1.3.6.1.9.1", "x", integer, readwrite}, {}};
    EXPECT_EQ(CountVarEntries(nullptr), 0);
    EXPECT_EQ(CountVarEntries(closedFirst), 0);
    EXPECT_EQ(CountVarEntries(VarsSample), 8);
}

TEST(VarList, EmptyTablesGiveListsWithoutItems) {
    const VkSNMPVarEntry closedFirst[] = {{}, {"1.3.6.1.9.1", "x", integer, readwrite}, {}};
    const VkSNMPVarList lists[] = {VkSNMPVarList(), VkSNMPVarList(nullptr, MVT_FMV, 1),
                                   VkSNMPVarList(closedFirst, SVT_SV, 0)};
    for (const VkSNMPVarList& list : lists) {
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(list.ShownColumnCount(), 0);
        EXPECT_EQ(list.HiddenColumnCount(), 0);
        EXPECT_THROW(list.Item(0), os::ListIndexError);
        EXPECT_THROW(list.IsRequested(0), os::ListIndexError);
    }
}

TEST(VarList, ItemsCopyTheirRows) {
    const VkSNMPVarList list(VarsSample, MVT_FMV, 2);
    ASSERT_EQ(list.Count(), 8);
    EXPECT_EQ(list.kind, MVT_FMV);
    EXPECT_EQ(list.keyCount, 2);
    EXPECT_EQ(list.instance, "");
    EXPECT_EQ(list.description, "");

    const VkSNMPVarItem* ifIndex = list.Item(0);
    EXPECT_EQ(ifIndex->oid, " ");
    EXPECT_EQ(ifIndex->name, "ifIndex");
    EXPECT_EQ(ifIndex->access, notaccess);
    EXPECT_FALSE(list.IsRequested(0));

    const VkSNMPVarItem* status = list.Item(2);
    EXPECT_EQ(status->oid, "1.3.6.1.9.2");
    EXPECT_EQ(status->syntax, integer);
    EXPECT_EQ(status->access, readwrite);
    EXPECT_EQ(status->options, &OptStatus);  // shared, not copied
    EXPECT_FALSE(status->readExpression.has_value());
    EXPECT_FALSE(status->spare.has_value());
    EXPECT_EQ(status->value, "");
    EXPECT_EQ(status->instanceOid, "");

    const VkSNMPVarItem* extra = list.Item(7);
    EXPECT_EQ(extra->readExpression, "$*2");
    EXPECT_EQ(extra->writeExpression, "$/2");
    EXPECT_EQ(extra->spare, "spare");
    EXPECT_EQ(extra->value, "preset");
    EXPECT_EQ(extra->instanceOid, "1.3.6.1.9.1");
}

TEST(VarList, ItemsStayAtTheirAddressWhenMoreRowsAreAppended) {
    VkSNMPVarList list(VarsSample, SVT_SV, 0);
    VkSNMPVarItem* first = list.Item(0);
    for (int i = 0; i < 20; ++i) list.AppendEntries(VarsSample);
    EXPECT_EQ(list.Count(), 8 * 21);
    EXPECT_EQ(list.Item(0), first);
    EXPECT_EQ(list.Item(8)->name, "ifIndex");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(VarList, AssignmentCopiesItemsDeeplyAndKeepsTheTargetsInstanceAndOptionLists) {
    VkSNMPVarList source(VarsSample, MVT_UMV, 2);
    source.description = "sample table";
    source.instance = "source instance";
    source.Item(2)->access = invalid;
    source.Item(3)->value = "Device 1";
    source.Item(3)->instanceOid = "1.3.6.1.9.3.4.7";

    VkSNMPVarList target(VarsSample, SVT_SV, 0);
    target.AppendEntries(VarsSample);
    target.instance = "5";
    target.ownedOptionLists.push_back(std::make_unique<VkOptionList>(kStatusRows, OPT_INT, false));
    const VkOptionList* owned = target.ownedOptionLists[0].get();

    target = source;

    EXPECT_EQ(target.Count(), 8);
    EXPECT_EQ(target.kind, MVT_UMV);
    EXPECT_EQ(target.keyCount, 2);
    EXPECT_EQ(target.description, "sample table");
    EXPECT_EQ(target.instance, "5");
    ASSERT_EQ(target.ownedOptionLists.size(), 1u);
    EXPECT_EQ(target.ownedOptionLists[0].get(), owned);
    EXPECT_EQ(target.Item(2)->access, invalid);  // the current access, not the row's
    EXPECT_EQ(target.Item(3)->value, "Device 1");
    EXPECT_EQ(target.Item(3)->instanceOid, "1.3.6.1.9.3.4.7");
    EXPECT_EQ(target.Item(7)->spare, "spare");

    // The copy is deep: the two lists change independently.
    EXPECT_NE(target.Item(3), source.Item(3));
    target.Item(3)->value = "changed";
    target.Item(2)->access = readwrite;
    EXPECT_EQ(source.Item(3)->value, "Device 1");
    EXPECT_EQ(source.Item(2)->access, invalid);
}

TEST(VarList, AssigningATemporaryBuiltFromATableKeepsTheInstance) {
    VkSNMPVarList vars;
    vars.instance = "3";
    vars = VkSNMPVarList(VarsSample, MVT_FMV, 2);
    EXPECT_EQ(vars.instance, "3");
    EXPECT_EQ(vars.Count(), 8);
    EXPECT_EQ(vars.kind, MVT_FMV);
}

TEST(VarList, CopyConstructionStartsWithoutInstanceOrOptionListsOfItsOwn) {
    VkSNMPVarList source(VarsSample, MVT_SV, 1);
    source.instance = "9";
    source.description = "d";
    source.ownedOptionLists.push_back(std::make_unique<VkOptionList>(kStatusRows, OPT_INT, false));
    source.Item(4)->value = "secret";

    const VkSNMPVarList copy(source);
    EXPECT_EQ(copy.instance, "");
    EXPECT_TRUE(copy.ownedOptionLists.empty());
    EXPECT_EQ(copy.description, "d");
    EXPECT_EQ(copy.kind, MVT_SV);
    EXPECT_EQ(copy.keyCount, 1);
    EXPECT_EQ(Values(copy), Values(source));
}

TEST(VarList, AssigningAListToItselfKeepsItsItems) {
    VkSNMPVarList list(VarsSample, MVT_FMV, 2);
    list.Item(3)->value = "kept";
    VkSNMPVarList& same = list;
    list = same;
    ASSERT_EQ(list.Count(), 8);
    EXPECT_EQ(list.Item(3)->value, "kept");
    list.CopyFrom(list);
    EXPECT_EQ(list.Count(), 8);
}

TEST(VarList, QueriesFollowTheAccessBitsAndTheListKind) {
    // Item 0 lies inside the key columns (keyCount 1), item 1 outside.
    struct Case {
        int access;
        VkSNMPVarListKind kind;
        int item;
        bool requested, writable, shown, hidden, implied;
    };
    const Case cases[] = {
        {notaccess, SVT_SV, 0, false, false, true, false, false},
        {notaccess, MVT_SV, 0, false, false, true, false, false},
        {notaccess, MVT_FMV, 0, false, true, true, false, false},
        {notaccess, MVT_UMV, 0, false, true, true, false, false},
        {notaccess, MVT_FMV, 1, false, false, true, false, false},
        {notaccess | invalid, MVT_FMV, 0, false, false, false, true, false},
        {notaccess | implied, MVT_UMV, 0, false, true, true, false, true},
        {readonly, SVT_SV, 1, true, false, true, false, false},
        {readonly, MVT_UMV, 0, true, true, true, false, false},
        {readonly | implied, MVT_SV, 1, true, false, true, false, true},
        {writeonly, SVT_SV, 1, false, true, false, true, false},
        {writeonly, MVT_FMV, 1, false, true, false, true, false},
        {readwrite, SVT_SV, 1, true, true, true, false, false},
        {readwrite, MVT_FMV, 1, true, true, true, false, false},
        {readwrite | invalid, MVT_SV, 1, false, false, false, true, false},
        {readwrite | invalid, MVT_FMV, 0, false, false, false, true, false},
        {invalid, SVT_SV, 1, false, false, false, true, false},
        {derived, MVT_FMV, 1, false, false, true, false, false},
        {writeonly | derived, MVT_FMV, 1, false, true, true, false, false},
        {readwrite | hidden, MVT_FMV, 1, true, true, false, true, false},
        {readonly | hidden, MVT_FMV, 0, true, true, false, true, false},
        {0, SVT_SV, 1, false, false, false, false, false},
        {0, MVT_FMV, 0, false, true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("access " + std::to_string(c.access) + ", kind " + std::to_string(c.kind) +
                     ", item " + std::to_string(c.item));
        VkSNMPVarList list(VarsSample, c.kind, 1);
        list.Item(c.item)->access = c.access;
        EXPECT_EQ(list.IsRequested(c.item), c.requested);
        EXPECT_EQ(list.IsWritable(c.item), c.writable);
        EXPECT_EQ(list.IsShownColumn(c.item), c.shown);
        EXPECT_EQ(list.IsHiddenColumn(c.item), c.hidden);
        EXPECT_EQ(list.IsImpliedIndex(c.item), c.implied);
    }
}

TEST(VarList, ColumnCountsFollowTheCurrentAccess) {
    VkSNMPVarList list(VarsSample, MVT_FMV, 2);
    // shown: both index columns, sampleStatus, sampleName, sampleExtra;
    // hidden: sampleSecret (write-only), sampleSkipped, sampleKept
    EXPECT_EQ(list.ShownColumnCount(), 5);
    EXPECT_EQ(list.HiddenColumnCount(), 3);
    list.Item(2)->access = invalid;
    list.Item(5)->access = readonly;
    EXPECT_EQ(list.ShownColumnCount(), 5);
    EXPECT_EQ(list.HiddenColumnCount(), 3);
    list.Item(3)->access = readwrite | hidden;
    EXPECT_EQ(list.ShownColumnCount(), 4);
    EXPECT_EQ(list.HiddenColumnCount(), 4);
}

TEST(VarList, OutOfRangeItemsAreRefused) {
    VkSNMPVarList list(VarsSample, MVT_FMV, 2);
    for (int index : {-1, 8, 100}) {
        EXPECT_THROW(list.Item(index), os::ListIndexError) << index;
        EXPECT_THROW(list.IsWritable(index), os::ListIndexError) << index;
    }
}

TEST(VarList, NameListsTranslateEveryCode) {
    // Syntax rows in their stored order, each with its code.
    struct Name { int enumerator; int code; const char* name; };
    const Name syntaxes[] = {
        {integer, 2, "integer"},       {bitstr, 3, "bitstr"},         {octetstr, 4, "octetstr"},
        {null, 5, "null"},             {objectid, 6, "objectid"},     {ipaddress, 64, "ipaddress"},
        {counter, 65, "counter"},      {guage, 66, "guage"},          {timeticks, 67, "timeticks"},
        {opaque, 68, "opaque"},        {counter64, 70, "counter64"},  {boolean, 1, "boolean"},
        {nsapaddr, 69, "nsapaddr"},    {uinteger, 71, "uinteger"},    {double_, 72, "double"},
        {macaddress, 73, "macaddress"}, {datetime, 74, "datetime"},   {bcdatetime, 75, "bcdatetime"},
        {displaystr, 76, "displaystr"}, {bool8, 193, "bool8"},        {int8, 194, "int8"},
        {uint8, 195, "uint8"},         {bool16, 196, "bool16"},       {int16, 197, "int16"},
        {uint16, 198, "uint16"},
    };
    ASSERT_EQ(VkSNMPSyntaxNames.count(), 25);
    for (int i = 0; i < 25; ++i) {
        const Name& s = syntaxes[i];
        EXPECT_EQ(s.enumerator, s.code) << s.name;
        EXPECT_EQ(VkSNMPSyntaxNames.Item(i).text, s.name);
        EXPECT_EQ(VkSNMPSyntaxNames.Item(i).number, s.code) << s.name;
    }

    const Name accesses[] = {
        {notaccess, 1, "notaccess"}, {readonly, 2, "readonly"}, {writeonly, 4, "writeonly"},
        {readwrite, 6, "readwrite"}, {derived, 8, "derived"},   {hidden, 16, "hidden"},
        {invalid, 32, "invalid"},    {implied, 64, "implied"},
    };
    ASSERT_EQ(VkSNMPAccessNames.count(), 8);
    for (const Name& a : accesses) {
        EXPECT_EQ(a.enumerator, a.code) << a.name;
        EXPECT_EQ(VkSNMPAccessNames.ValueToText(std::to_string(a.code)), a.name);
    }

    const Name kinds[] = {{SVT_SV, 0, "SVT_SV"}, {MVT_SV, 1, "MVT_SV"}, {MVT_FMV, 2, "MVT_FMV"}, {MVT_UMV, 3, "MVT_UMV"}};
    ASSERT_EQ(VkSNMPVarListKindNames.count(), 4);
    for (const Name& k : kinds) {
        EXPECT_EQ(k.enumerator, k.code) << k.name;
        EXPECT_EQ(VkSNMPVarListKindNames.ValueToText(std::to_string(k.code)), k.name);
    }

    EXPECT_EQ(VkSNMPSyntaxNames.TextToValue("DisplayStr"), "76");  // names ignore letter case
}
