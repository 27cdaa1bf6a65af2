#include "platform/ui/post.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/bitmap_button.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiPost : public uitest::UiTest {};

TEST_F(uiPost, APostedCallRunsAfterTheHandlerReturns) {
    ui::Form form(nullptr);
    std::vector<std::string> log;
    ui::Post(&form, [&] { log.push_back("posted"); });
    log.push_back("handler goes on");
    EXPECT_TRUE(RunUntil([&] { return log.size() == 2; }));
    EXPECT_EQ(log, (std::vector<std::string>{"handler goes on", "posted"}));
}

TEST_F(uiPost, ACallPostedToADeletedControlIsDropped) {
    auto* form = new ui::Form(nullptr);
    auto* edit = new ui::Edit(form);
    bool ran = false;
    ui::Post(edit, [&] { ran = true; });
    delete form;
    RunFor(30);
    EXPECT_FALSE(ran);
}

TEST_F(uiPost, AnExceptionInAPostedCallIsShown) {
    ui::Form form(nullptr);
    bool ran = false;
    Dialogs().ExpectBox("UiTest", "late failure", ui::Answer::Ok);
    ui::Post(&form, [&] {
        ran = true;
        throw std::runtime_error("late failure");
    });
    EXPECT_TRUE(RunUntil([&] { return ran; }));
}

// The focus moves on from a posted call, as an edit that is full does.
TEST_F(uiPost, SelectNextControlMovesTheFocusInTabOrder) {
    ui::Form form(nullptr);
    auto* first = new ui::Edit(&form);
    auto* second = new ui::Edit(&form);
    second->SetTop(40);
    ShowActive(form);
    first->SetFocus();
    first->OnChange = [&](ui::Component*) {
        if (first->Text().size() == 2) ui::Post(&form, [&] { form.SelectNextControl(); });
    };
    QTest::keyClicks(first->Widget(), "12");
    EXPECT_TRUE(first->Focused());
    EXPECT_TRUE(RunUntil([&] { return second->Focused(); }));
}

TEST_F(uiPost, AButtonSeesItsKeysWithTheShiftState) {
    ui::Form form(nullptr);
    auto* ok = new ui::BitmapButton(&form);
    std::vector<std::pair<int, unsigned>> keys;
    ok->OnKeyDown = [&](ui::Component* sender, int& key, unsigned shift) {
        EXPECT_EQ(sender, ok);
        keys.emplace_back(key, shift);
    };
    QTest::keyClick(ok->Widget(), Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(ok->Widget(), Qt::Key_A, Qt::ControlModifier);
    using Key = std::pair<int, unsigned>;
    EXPECT_EQ(keys, (std::vector<Key>{{114, ui::kShift | ui::kAlt}, {'A', ui::kCtrl}}));
    EXPECT_FALSE(ok->LoadGlyph("/nonexistent/refresh.bmp"));
    EXPECT_FALSE(ok->HasGlyph());
}

}  // namespace
