#include "platform/ui/list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/os/exception.h"
#include "platform/ui/form.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiListView : public uitest::UiTest {
public:
    uiListView() : form_(nullptr), view_(new ui::ListView(&form_)) {
        form_.SetClientSize(400, 300);
        view_->SetBounds(10, 10, 380, 280);
        view_->SetName("LV_Clients");
        view_->AddColumn("ifIndex", 0);
        view_->AddColumn("clientMac", ui::kColumnFitCaption);
        view_->AddColumn("clientRate", 80);
        for (const char* mac : {"001122334455", "00AABBCCDDEE", "0012FF000001"}) {
            ui::ListItem* item = view_->AddItem();
            item->SetCaption(std::to_string(view_->ItemCount()));
            item->AddSubItem(mac);
            item->AddSubItem("54");
        }
        view_->OnSelectItem = [this](ui::Component* sender, ui::ListItem* item, bool selected) {
            EXPECT_EQ(sender, view_);
            calls_.push_back(std::to_string(item->Index()) + (selected ? "+" : "-"));
        };
    }

    void UserClickRow(int row) {
        auto* table = static_cast<QTableWidget*>(view_->Widget());
        QRect cell = table->visualRect(table->model()->index(row, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }

    ui::Form form_;
    ui::ListView* view_;
    std::vector<std::string> calls_;
};

// Selection events fire for the user and the program: the old row's
// deselection first, then the new row's selection.
TEST_F(uiListView, SelectFiresForUserAndProgramDeselectionFirst) {
    ShowActive(form_);
    struct Case {
        const char* name;
        int before;
        std::function<void(uiListView&)> act;
        std::vector<std::string> calls;
        int after;
    };
    const Case cases[] = {
        {"program selects a row", -1, [](uiListView& t) { t.view_->SetSelected(t.view_->Item(1)); }, {"1+"}, 1},
        {"program moves the selection", 1, [](uiListView& t) { t.view_->Item(2)->SetSelected(true); },
         {"1-", "2+"}, 2},
        {"program clears the selection", 2, [](uiListView& t) { t.view_->SetSelected(nullptr); }, {"2-"}, -1},
        {"program selects the selected row", 0, [](uiListView& t) { t.view_->Item(0)->SetSelected(true); },
         {}, 0},
        {"user clicks a row", -1, [](uiListView& t) { t.UserClickRow(2); }, {"2+"}, 2},
        {"user clicks another row", 0, [](uiListView& t) { t.UserClickRow(1); }, {"0-", "1+"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view_->SetSelected(c.before < 0 ? nullptr : view_->Item(c.before));
        calls_.clear();
        c.act(*this);
        EXPECT_EQ(calls_, c.calls);
        EXPECT_EQ(view_->Selected() == nullptr ? -1 : view_->Selected()->Index(), c.after);
    }
}

// Removing rows runs no selection event; the view forgets the selection.
TEST_F(uiListView, RemovingRowsRunsNoSelectionEvent) {
    view_->Item(1)->SetSelected(true);
    calls_.clear();
    view_->DeleteItem(1);
    EXPECT_TRUE(calls_.empty());
    EXPECT_EQ(view_->Selected(), nullptr);
    EXPECT_EQ(view_->ItemCount(), 2);
    EXPECT_EQ(view_->Item(1)->SubItem(0), "0012FF000001");
    view_->Item(0)->SetSelected(true);
    calls_.clear();
    view_->ClearItems();
    EXPECT_TRUE(calls_.empty());
    EXPECT_EQ(view_->Selected(), nullptr);
    EXPECT_EQ(view_->ItemCount(), 0);
}

// A zero-width column stays hidden yet keeps its cell texts.
TEST_F(uiListView, ZeroWidthColumnsHoldTheirCellsUnseen) {
    ShowActive(form_);
    auto* table = static_cast<QTableWidget*>(view_->Widget());
    EXPECT_EQ(view_->ColumnWidth(0), 0);
    EXPECT_EQ(table->horizontalHeader()->sectionSize(0), 0);
    EXPECT_EQ(view_->Item(2)->Caption(), "3");
    EXPECT_EQ(table->item(2, 0)->text(), "3");
    EXPECT_GT(view_->ColumnWidth(1), 40);
    EXPECT_EQ(view_->ColumnCaption(1), "clientMac");
}

// A column made to fit holds its caption and its widest cell, growing with
// a longer cell and going back to the caption's width when the rows go; a
// width the program sets stays, whatever the cells hold.
TEST_F(uiListView, AFittedColumnHoldsItsCaptionAndEveryCell) {
    auto* table = static_cast<QTableWidget*>(view_->Widget());
    // Whether every cell and the caption of a column show whole.
    auto holds = [table](int column) {
        int needed = table->horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < table->rowCount(); ++row)
            needed = std::max(needed, table->sizeHintForIndex(table->model()->index(row, column)).width() +
                                          (table->showGrid() ? 1 : 0));
        return table->columnWidth(column) >= needed;
    };
    view_->SetGridLines(true);
    ShowActive(form_);
    EXPECT_TRUE(holds(1));
    int macWidth = view_->ColumnWidth(1);
    ui::ListItem* item = view_->AddItem();
    item->SetCaption("4");
    item->AddSubItem("00907A123456 (a very long name beside it)");
    EXPECT_TRUE(holds(1));
    EXPECT_GT(view_->ColumnWidth(1), macWidth);
    view_->ClearItems();
    EXPECT_TRUE(holds(1));
    EXPECT_LT(view_->ColumnWidth(1), macWidth) << "back to the caption's width";
    // The program's width stays.
    view_->SetColumnWidth(1, 30);
    item = view_->AddItem();
    item->SetCaption("1");
    item->AddSubItem("001122334455");
    EXPECT_EQ(view_->ColumnWidth(1), 30);
    EXPECT_EQ(view_->ColumnWidth(2), 80);
    EXPECT_EQ(view_->ColumnWidth(0), 0);
}

TEST_F(uiListView, CellsAreCaptionThenSubItemsAndIndexesAreChecked) {
    ui::ListItem* item = view_->Item(0);
    EXPECT_EQ(item->SubItemCount(), 2);
    item->SetSubItem(1, "11");
    auto* table = static_cast<QTableWidget*>(view_->Widget());
    EXPECT_EQ(table->item(0, 2)->text(), "11");
    EXPECT_THROW(item->SubItem(2), os::ListIndexError);
    EXPECT_THROW(view_->Item(3), os::ListIndexError);
    item->ClearSubItems();
    EXPECT_EQ(item->SubItemCount(), 0);
    EXPECT_EQ(table->item(0, 1)->text(), "");
}

TEST_F(uiListView, ClickAndDoubleClickEventsAndTheItemUnderTheMouse) {
    ShowActive(form_);
    int clicks = 0;
    int doubleClicks = 0;
    view_->OnClick = [&](ui::Component*) { ++clicks; };
    view_->OnDblClick = [&](ui::Component*) { ++doubleClicks; };
    auto* table = static_cast<QTableWidget*>(view_->Widget());
    QPoint cell = table->visualRect(table->model()->index(1, 1)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_GE(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(view_->ItemAt(cell.x(), cell.y()), view_->Item(1));
    EXPECT_EQ(view_->ItemAt(cell.x(), 270), nullptr);
}

// Changes of items: additions, new cells, selection; removals without item.
TEST_F(uiListView, ChangeReportsAddedChangedSelectedAndRemovedItems) {
    auto* view = new ui::ListView(&form_);
    view->AddColumn("name", 100);
    view_->OnSelectItem = nullptr;
    std::vector<std::string> changes;
    view->OnChange = [&](ui::Component*, ui::ListItem* item) {
        changes.push_back(item == nullptr ? "removed" : std::to_string(item->Index()) + ":" + item->Caption());
    };
    ui::ListItem* first = view->AddItem();
    first->SetCaption("a");
    view->AddItem()->SetCaption("b");
    first->SetSelected(true);
    view->DeleteItem(1);
    EXPECT_EQ(changes, (std::vector<std::string>{"0:", "0:a", "1:", "1:b", "0:a", "removed"}));
}

// Check boxes: the program's state is shown, and the user's tick (mouse or
// space bar) is taken by the row and reported as a change of that row only.
TEST_F(uiListView, CheckBoxesShowTheRowsStateAndTakeTheUsersTick) {
    ShowActive(form_);
    auto* table = static_cast<QTableWidget*>(view_->Widget());
    view_->OnSelectItem = nullptr;
    view_->SetCheckBoxes(true);
    view_->Item(1)->SetChecked(true);
    EXPECT_EQ(table->item(1, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(table->item(0, 0)->checkState(), Qt::Unchecked);
    std::vector<std::string> changes;
    view_->OnChange = [&](ui::Component*, ui::ListItem* item) {
        changes.push_back(std::to_string(item->Index()) + (item->Checked() ? "+" : "-"));
    };
    table->setCurrentCell(2, 0);
    changes.clear();  // the selection's change
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_TRUE(view_->Item(2)->Checked()) << "the space bar ticks the current row";
    view_->Item(1)->SetChecked(false);
    view_->Item(1)->SetChecked(false);
    EXPECT_EQ(table->item(1, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(changes, (std::vector<std::string>{"2+", "1-"}));
}

// The mouse-move event gives view coordinates; ItemAt finds the row there,
// which a handler uses for the hint it shows.
TEST_F(uiListView, MouseMovesReportThePointForTheHint) {
    ShowActive(form_);
    auto* table = static_cast<QTableWidget*>(view_->Widget());
    view_->OnMouseMove = [this](ui::Component*, int x, int y) {
        ui::ListItem* item = view_->ItemAt(x, y);
        view_->SetHint(item == nullptr ? "" : "clientMac\t" + item->SubItem(0) + "\nclientRate\t" + item->SubItem(1));
    };
    QPoint cell = table->visualRect(table->model()->index(2, 1)).center();
    QMouseEvent move(QEvent::MouseMove, QPointF(cell), table->viewport()->mapToGlobal(QPointF(cell)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &move);
    EXPECT_EQ(view_->Hint(), "clientMac\t0012FF000001\nclientRate\t54");
    EXPECT_EQ(table->toolTip(), "clientMac\t0012FF000001\nclientRate\t54");
    view_->SetShowHint(false);
    EXPECT_TRUE(table->toolTip().isEmpty());
}

}  // namespace
