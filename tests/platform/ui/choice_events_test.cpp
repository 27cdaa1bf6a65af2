// Which events fire when the program or the user changes a choice control,
// and how often: one table per control class.

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include "platform/os/exception.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/form.h"
#include "platform/ui/radio_group.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiChoiceEvents : public uitest::UiTest {
public:
    uiChoiceEvents() : form_(nullptr) { form_.SetClientSize(400, 300); }

    ui::Form form_;
    int events_ = 0;
};

TEST_F(uiChoiceEvents, ComboBoxChangeFiresOnlyForTheUsersChoice) {
    auto* combo = new ui::ComboBox(&form_);
    combo->SetBounds(10, 10, 150, 24);
    for (const char* text : {"Disabled", "Enabled", "Auto"}) combo->AddItem(text);
    combo->OnChange = [&](ui::Component* sender) {
        EXPECT_EQ(sender, combo);
        ++events_;
    };
    ShowActive(form_);
    struct Case {
        const char* name;
        int indexBefore;
        std::function<void()> act;
        int events;
        int indexAfter;
    };
    const Case cases[] = {
        {"program selects an entry", -1, [&] { combo->SetItemIndex(1); }, 0, 1},
        {"program selects nothing", 1, [&] { combo->SetItemIndex(-1); }, 0, -1},
        {"program refills the items", 2, [&] { combo->ClearItems(); for (const char* t : {"A", "B"}) combo->AddItem(t); }, 0, -1},
        {"user picks the next entry", 0, [&] { QTest::keyClick(combo->Widget(), Qt::Key_Down); }, 1, 1},
        {"user picks with the keyboard twice", 0,
         [&] {
             QTest::keyClick(combo->Widget(), Qt::Key_Down);
             QTest::keyClick(combo->Widget(), Qt::Key_Up);
         },
         2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        combo->SetItemIndex(c.indexBefore);
        events_ = 0;
        c.act();
        EXPECT_EQ(events_, c.events);
        EXPECT_EQ(combo->ItemIndex(), c.indexAfter);
    }
}

TEST_F(uiChoiceEvents, ComboBoxStartsWithNothingSelectedAndChecksItsIndexes) {
    auto* combo = new ui::ComboBox(&form_);
    combo->AddItem("Open System");
    combo->AddItem("Shared Key");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    combo->SetItemIndex(5);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->ItemText(1), "Shared Key");
    EXPECT_THROW(combo->ItemText(2), os::ListIndexError);
    combo->SetItemIndex(0);
    EXPECT_EQ(combo->Text(), "Open System");
}

TEST_F(uiChoiceEvents, CheckBoxClickFiresForEveryChangeOfTheState) {
    auto* check = new ui::CheckBox(&form_);
    check->SetBounds(10, 10, 150, 24);
    check->SetCaption("Enable");
    check->OnClick = [&](ui::Component* sender) {
        EXPECT_EQ(sender, check);
        ++events_;
    };
    ShowActive(form_);
    auto userClick = [&] { QTest::mouseClick(check->Widget(), Qt::LeftButton, {}, QPoint(8, 12)); };
    struct Case {
        const char* name;
        bool before;
        std::function<void()> act;
        int events;
        bool after;
    };
    const Case cases[] = {
        {"program checks", false, [&] { check->SetChecked(true); }, 1, true},
        {"program clears", true, [&] { check->SetChecked(false); }, 1, false},
        {"program sets the same state", true, [&] { check->SetChecked(true); }, 0, true},
        {"user checks", false, userClick, 1, true},
        {"user clears", true, userClick, 1, false},
        {"user presses space", false, [&] { QTest::keyClick(check->Widget(), Qt::Key_Space); }, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        check->SetChecked(c.before);
        events_ = 0;
        c.act();
        EXPECT_EQ(events_, c.events);
        EXPECT_EQ(check->Checked(), c.after);
    }
}

TEST_F(uiChoiceEvents, RadioGroupClickFiresForEveryChangeOfTheIndex) {
    auto* group = new ui::RadioGroup(&form_);
    group->SetBounds(10, 10, 300, 120);
    group->SetCaption("Band");
    group->SetColumns(2);
    for (const char* text : {"2.4 GHz", "5 GHz", "Both"}) group->AddItem(text);
    group->OnClick = [&](ui::Component* sender) {
        EXPECT_EQ(sender, group);
        ++events_;
    };
    ShowActive(form_);
    auto userClick = [&](int index) {
        QList<QRadioButton*> buttons = group->Widget()->findChildren<QRadioButton*>();
        QTest::mouseClick(buttons.at(index), Qt::LeftButton, {}, QPoint(8, buttons.at(index)->height() / 2));
    };
    struct Case {
        const char* name;
        int before;
        std::function<void()> act;
        int events;
        int after;
    };
    const Case cases[] = {
        {"program selects", -1, [&] { group->SetItemIndex(1); }, 1, 1},
        {"program moves the choice", 1, [&] { group->SetItemIndex(2); }, 1, 2},
        {"program selects the same", 2, [&] { group->SetItemIndex(2); }, 0, 2},
        {"program selects nothing", 2, [&] { group->SetItemIndex(-1); }, 1, -1},
        {"program selects out of range", 0, [&] { group->SetItemIndex(7); }, 1, -1},
        {"user clicks another button", 0, [&] { userClick(2); }, 1, 2},
        {"user clicks the checked button", 1, [&] { userClick(1); }, 0, 1},
        {"user clicks when none is checked", -1, [&] { userClick(0); }, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        group->SetItemIndex(c.before);
        events_ = 0;
        c.act();
        EXPECT_EQ(events_, c.events);
        EXPECT_EQ(group->ItemIndex(), c.after);
    }
}

TEST_F(uiChoiceEvents, RadioGroupTextOfNoChoiceIsAListIndexError) {
    auto* group = new ui::RadioGroup(&form_);
    group->AddItem("Open");
    group->AddItem("Closed");
    EXPECT_EQ(group->ItemIndex(), -1);
    EXPECT_THROW(group->ItemText(group->ItemIndex()), os::ListIndexError);
    group->SetItemIndex(1);
    EXPECT_EQ(group->ItemText(group->ItemIndex()), "Closed");
    group->ClearItems();
    EXPECT_EQ(group->ItemCount(), 0);
    EXPECT_EQ(group->ItemIndex(), -1);
}

}  // namespace
