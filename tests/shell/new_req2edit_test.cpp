// The numbered walk against the simulated access point, over the DHCP static
// pool: eight fixed rows, a free row reads disabled, with an empty host name
// and zero addresses. Each test occupies some rows through the simulator's
// control channel and walks the table into a list view.

#include "shell/new_req2edit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/post.h"
#include "shell/mib_root.h"
#include "shell/mib_tables.h"
#include "tests/library/snmp/snmp_session_env.h"
#include "tests/support/sim_process.h"

namespace {

using Texts = std::vector<std::string>;

// The pool's variables, by their place in VarsDhcpStaticTable.
enum Column { kIndex = 0, kStatus = 1, kHostName = 2, kIpAddress = 3, kMacAddress = 4, kDomainName = 9 };
const int kPoolRows = 8;
const int kColumnCount = 10;

// The simulator's OID of a pool cell: column arc (the variable's place + 1), row.
std::string PoolCell(int column, int row) {
    return std::string(MibDeviceRoot) + ".3.1.3.2.1." + std::to_string(column + 1) + "." + std::to_string(row);
}

class NumberedWalkTest : public ::testing::Test {
protected:
    NumberedWalkTest() : form_(nullptr) {
        form_.SetClientSize(400, 400);
        view_ = new ui::ListView(&form_);
        indexLabel_ = new ui::Label(&form_);
        hostEdit_ = new ui::Edit(&form_);
    }

    void SetUp() override { StartSimulator(sim_); }

    void StartSimulator(support::SimProcess& sim) {
        sim.Settings().arguments = {"--ro-community", "rdcomm", "--rw-community", "wrcomm"};
        std::string error;
        ASSERT_TRUE(sim.Start(error)) << error;
    }

    // A walker of the pool on `sim`; with `view`, bound to the list view.
    std::unique_ptr<New_req2Edit> Walker(support::SimProcess& sim, bool view = true) {
        auto walker = std::make_unique<New_req2Edit>(&form_);
        walker->async = false;
        snmptest::AccessMode v2c;
        v2c.version = 1;
        v2c.ApplyTo(walker->request, sim);
        walker->request.vars = VkSNMPVarList(VarsDhcpStaticTable, MVT_UMV, 1);
        if (view) walker->BindListView(view_, true);
        return walker;
    }
    std::unique_ptr<New_req2Edit> Walker() { return Walker(sim_); }

    // Walks the pool and waits for an asynchronous walk to end.
    static void Walk(New_req2Edit& walker) {
        ASSERT_TRUE(walker.Get());
        ASSERT_TRUE(snmptest::RunUntil([&] { return !walker.busy; }));
    }

    static void Put(support::SimProcess& sim, int column, int row, const std::string& value) {
        support::ControlReply reply = sim.Control("set " + PoolCell(column, row) + " " + value);
        ASSERT_TRUE(reply.ok) << reply.error;
    }

    // Makes a pool row an enabled entry with a host name and a MAC address.
    void Occupy(int row, const std::string& hostName) {
        Put(sim_, kStatus, row, "1");
        Put(sim_, kHostName, row, "\"" + hostName + "\"");
        Put(sim_, kMacAddress, row, "00112233440" + std::to_string(row));
    }

    std::string Value(int column, int row) {
        support::ControlReply reply = sim_.Control("get " + PoolCell(column, row));
        return reply.ok && !reply.lines.empty() ? reply.lines.front() : "<" + reply.error + ">";
    }

    Texts Captions() const {
        Texts captions;
        for (int i = 0; i < view_->ItemCount(); ++i) captions.push_back(view_->Item(i)->Caption());
        return captions;
    }

    Texts Cells(int subItem) const {
        Texts cells;
        for (int i = 0; i < view_->ItemCount(); ++i) cells.push_back(view_->Item(i)->SubItem(subItem));
        return cells;
    }

    support::SimProcess sim_;
    ui::Form form_;
    ui::ListView* view_;
    ui::Label* indexLabel_;
    ui::Edit* hostEdit_;
};

// Occupied rows 2, 5 and 7 of eight, the vacant ones marked by a MAC address
// of zeros, as the pages that list leases and access lists mark them.
TEST_F(NumberedWalkTest, VacantRowsAreLeftOutAndTheOthersNumberedFromOne) {
    Occupy(2, "alpha");
    Occupy(5, "bravo");
    Occupy(7, "charlie");
    for (bool async : {false, true}) {
        SCOPED_TRACE(async ? "asynchronous" : "synchronous");
        auto walker = Walker();
        walker->async = async;
        walker->SkipValue = "000000000000";
        walker->SkipColumn = kMacAddress;
        Walk(*walker);
        EXPECT_EQ(Captions(), (Texts{"1", "2", "3"}));
        // The other cells are the device's, in column order after the index.
        EXPECT_EQ(Cells(kStatus - 1), (Texts{"Enable", "Enable", "Enable"}));
        EXPECT_EQ(Cells(kHostName - 1), (Texts{"alpha", "bravo", "charlie"}));
        EXPECT_EQ(Cells(kMacAddress - 1), (Texts{"001122334402", "001122334405", "001122334407"}));
        EXPECT_EQ(view_->ColumnCount(), kColumnCount);
        EXPECT_EQ(view_->ColumnCaption(0), "Index");
        EXPECT_EQ(walker->RowNumber, 4);
        EXPECT_EQ(walker->rowCount, kPoolRows) << "vacant rows are answer rows too";
        EXPECT_TRUE(walker->lastReadOk);
    }
}

// Selecting a numbered row hands the device's row index to the index
// variable and its controls, so a write reaches the row the user selected,
// whether a control shows the index or not.
TEST_F(NumberedWalkTest, TheSelectedRowKeepsTheDeviceIndexForAWrite) {
    Occupy(2, "alpha");
    Occupy(5, "bravo");
    std::string rowFiveName = "bravo";
    for (bool indexShown : {true, false}) {
        SCOPED_TRACE(indexShown ? "index in a label" : "index in no control");
        auto walker = Walker();
        walker->SkipValue = "000000000000";
        walker->SkipColumn = kMacAddress;
        if (indexShown) walker->BindLabel(kIndex, indexLabel_);
        walker->BindEdits(kHostName, "%s", hostEdit_);
        Walk(*walker);
        ASSERT_EQ(Captions(), (Texts{"1", "2"}));

        view_->SetSelected(view_->Item(1));
        EXPECT_EQ(walker->request.vars.Item(kIndex)->value, "5");
        if (indexShown) {
            EXPECT_EQ(indexLabel_->Caption(), "5");
        }
        EXPECT_EQ(hostEdit_->Text(), rowFiveName);
        EXPECT_FALSE(walker->modified);

        rowFiveName = indexShown ? "bravo-label" : "bravo-plain";
        hostEdit_->SetText(rowFiveName);
        EXPECT_TRUE(walker->Set(false, true));
        EXPECT_EQ(Value(kHostName, 5), rowFiveName);
        EXPECT_EQ(Value(kHostName, 2), "alpha");
        EXPECT_EQ(view_->Item(1)->Caption(), "2") << "the list keeps its numbers";
    }
}

TEST_F(NumberedWalkTest, ATableOfVacantRowsOnlyLeavesTheViewEmptyAndTheNumberAsItWas) {
    auto walker = Walker();
    walker->SkipValue = "000000000000";
    walker->SkipColumn = kMacAddress;
    walker->RowNumber = 7;
    Walk(*walker);
    EXPECT_EQ(view_->ItemCount(), 0);
    EXPECT_EQ(view_->ColumnCount(), kColumnCount);
    EXPECT_EQ(walker->RowNumber, 7);
    EXPECT_EQ(walker->rowCount, kPoolRows);
}

// A synchronous read processes no window messages of its own: a message
// posted before it runs inside it only where a listed row lets messages run.
TEST_F(NumberedWalkTest, WindowMessagesRunAfterAListedRowOnly) {
    struct Case {
        std::vector<int> occupied;
        int itemsSeen;  // the view's items when the posted message ran; -1: it did not run
    };
    const Case cases[] = {{{}, -1}, {{3}, 1}, {{3, 6}, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.occupied.size() << " occupied");
        support::SimProcess sim;
        StartSimulator(sim);
        for (int row : c.occupied) Put(sim, kMacAddress, row, "001122334455");
        auto walker = Walker(sim);
        walker->SkipValue = "000000000000";
        walker->SkipColumn = kMacAddress;
        int itemsSeen = -1;
        ui::Post(view_, [&] { itemsSeen = view_->ItemCount(); });
        ASSERT_TRUE(walker->Get());
        EXPECT_EQ(itemsSeen, c.itemsSeen);
        snmptest::RunFor(50);  // the message runs now at the latest
        EXPECT_NE(itemsSeen, -1);
    }
}

// Whether row 3 is vacant after one of its cells was given a value: the
// comparison takes the whole value text, byte for byte, and enumerated
// values as their option texts. Every other row keeps the pool's defaults.
TEST_F(NumberedWalkTest, ARowIsVacantOnlyWhenItsTextEqualsTheSkipValueExactly) {
    struct Case {
        int column;
        std::string value;  // as the simulator's control channel takes it
        int skipColumn;
        std::string skipValue;
        int listed;
    };
    const Case cases[] = {
        {kHostName, "\"0\"", kHostName, "0", kPoolRows - 1},
        {kHostName, "\"00\"", kHostName, "0", kPoolRows},
        {kHostName, "\"0 \"", kHostName, "0", kPoolRows},
        {kHostName, "\"abc\"", kHostName, "ABC", kPoolRows},
        {kHostName, "\"ABC\"", kHostName, "ABC", kPoolRows - 1},
        {kIpAddress, "10.0.0.3", kIpAddress, "0.0.0.0", 1},
        {kIpAddress, "10.0.0.3", kIpAddress, "0.0.0", kPoolRows},
        {kStatus, "1", kStatus, "Disable", 1},
        {kStatus, "1", kStatus, "0", kPoolRows},
        {kStatus, "1", kStatus, "disable", kPoolRows},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value + " against \"" + c.skipValue + "\"");
        support::SimProcess sim;
        StartSimulator(sim);
        Put(sim, c.column, 3, c.value);
        auto walker = Walker(sim);
        walker->SkipColumn = c.skipColumn;
        walker->SkipValue = c.skipValue;
        Walk(*walker);
        EXPECT_EQ(view_->ItemCount(), c.listed);
        EXPECT_EQ(walker->RowNumber, 1 + c.listed);
    }
}

// A SkipColumn that names no variable of the list marks no row vacant.
TEST_F(NumberedWalkTest, ASkipColumnOutsideTheListListsEveryRow) {
    for (int32_t column : {-1, kColumnCount, 1000, std::numeric_limits<int32_t>::min()}) {
        SCOPED_TRACE(column);
        auto walker = Walker();
        walker->SkipValue = "000000000000";  // what the MAC column of every row holds
        walker->SkipColumn = column;
        Walk(*walker);
        EXPECT_EQ(view_->ItemCount(), kPoolRows);
        EXPECT_EQ(view_->Item(kPoolRows - 1)->Caption(), std::to_string(kPoolRows));
        EXPECT_TRUE(walker->lastReadOk);
    }
}

TEST_F(NumberedWalkTest, NumberingGoesOnAcrossReadsUntilTheOwnerResetsIt) {
    Occupy(4, "delta");
    Occupy(8, "echo");
    auto walker = Walker();
    walker->SkipValue = "000000000000";
    walker->SkipColumn = kMacAddress;
    Walk(*walker);
    EXPECT_EQ(Captions(), (Texts{"1", "2"}));
    Walk(*walker);
    EXPECT_EQ(Captions(), (Texts{"3", "4"}));
    walker->RowNumber = 1;
    Walk(*walker);
    EXPECT_EQ(Captions(), (Texts{"1", "2"}));
}

// With a zero-width column (here an invalid variable) the number takes its
// place, and the index column shows the device's index.
TEST_F(NumberedWalkTest, TheNumberTakesTheFirstColumnInColumnOrder) {
    Occupy(6, "foxtrot");
    auto walker = Walker();
    walker->request.vars.Item(kDomainName)->access = VkSNMPAccess::invalid;
    walker->SkipValue = "000000000000";
    walker->SkipColumn = kMacAddress;
    Walk(*walker);
    ASSERT_EQ(Captions(), Texts{"1"});
    EXPECT_EQ(view_->ColumnCaption(0), "Static DomainName");
    EXPECT_EQ(view_->ColumnWidth(0), 0);
    EXPECT_EQ(Cells(0), Texts{"6"});
    EXPECT_EQ(Cells(kHostName), Texts{"foxtrot"});
    view_->SetSelected(view_->Item(0));
    EXPECT_EQ(walker->request.vars.Item(kIndex)->value, "6");
}

// Without a list view every answer row, vacant or not, is shown in the
// bound controls in turn; the last one stays.
TEST_F(NumberedWalkTest, WithoutAListViewEveryRowGoesToTheControls) {
    Occupy(2, "alpha");
    Put(sim_, kHostName, kPoolRows, "\"last\"");  // a vacant row: its MAC address is zeros
    auto walker = Walker(sim_, false);
    walker->BindEdits(kHostName, "%s", hostEdit_);
    walker->SkipValue = "000000000000";
    walker->SkipColumn = kMacAddress;
    Walk(*walker);
    EXPECT_EQ(hostEdit_->Text(), "last");
    EXPECT_EQ(walker->rowCount, kPoolRows);
    EXPECT_EQ(walker->RowNumber, 1);
    EXPECT_EQ(view_->ItemCount(), 0);
}

}  // namespace
