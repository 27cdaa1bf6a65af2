#include "platform/ui/scripted_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <string>
#include <vector>

#include "platform/ui/qt_dialogs.h"
#include "platform/ui/timer.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiDialogs : public uitest::UiTest {};

TEST_F(uiDialogs, TheResponderAnswersInScriptOrderAndRecordsEachBox) {
    Dialogs().ExpectBox("Warning", "Save changes?", ui::Answer::No);
    Dialogs().ExpectBox("ERROR", "Set Error!", ui::Answer::Ok);
    EXPECT_EQ(ui::MessageBox("Save changes?", "Warning", ui::Buttons::YesNo, ui::Icon::Question),
              ui::Answer::No);
    EXPECT_EQ(ui::MessageBox("Set Error!", "ERROR"), ui::Answer::Ok);
    ASSERT_EQ(Dialogs().Boxes().size(), 2u);
    EXPECT_EQ(Dialogs().Boxes()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(Dialogs().Boxes()[0].icon, ui::Icon::Question);
    EXPECT_EQ(Dialogs().Boxes()[1].caption, "ERROR");
}

// Each way a box can go wrong is reported as a failure, and answered the way
// closing the box would.
TEST_F(uiDialogs, TheResponderReportsEveryBoxItDidNotExpect) {
    struct Case {
        const char* name;
        std::function<void(ui::ScriptedDialogs&)> script;
        ui::Buttons buttons;
        ui::Answer answer;
        const char* failure;
    };
    const Case cases[] = {
        {"nothing scripted", [](ui::ScriptedDialogs&) {}, ui::Buttons::OkCancel, ui::Answer::Cancel,
         "unexpected message box: [Warning] \"Really?\""},
        {"another text",
         [](ui::ScriptedDialogs& d) { d.ExpectBox("Warning", "Other", ui::Answer::Yes); },
         ui::Buttons::YesNo, ui::Answer::Yes,
         "message box [Warning] \"Really?\" where [Warning] \"Other\" was expected"},
        {"an answer the box lacks",
         [](ui::ScriptedDialogs& d) { d.ExpectBox("Warning", "Really?", ui::Answer::Yes); },
         ui::Buttons::OkCancel, ui::Answer::Cancel,
         "scripted answer is not a button of [Warning] \"Really?\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> failures;
        {
            ui::ScriptedDialogs local([&](const std::string& f) { failures.push_back(f); });
            c.script(local);
            EXPECT_EQ(ui::MessageBox("Really?", "Warning", c.buttons), c.answer);
        }
        EXPECT_EQ(failures, std::vector<std::string>{c.failure});
    }
}

TEST_F(uiDialogs, ScriptedBoxesThatNeverCameAreReportedAndTheServiceIsRestored) {
    std::vector<std::string> failures;
    {
        ui::ScriptedDialogs local([&](const std::string& f) { failures.push_back(f); });
        local.ExpectBox("Warning", "Never shown", ui::Answer::Ok);
        EXPECT_EQ(&ui::Dialogs(), &local);
    }
    EXPECT_EQ(failures, std::vector<std::string>{"expected message box never shown: [Warning] \"Never shown\""});
    EXPECT_EQ(&ui::Dialogs(), &Dialogs());
}

TEST_F(uiDialogs, FileDialogsAndBeepsAreScriptedAndRecorded) {
    Dialogs().ExpectFile("/tmp/firmware.bin");
    Dialogs().ExpectFile("");
    ui::FileDialogRequest request{"Open firmware", "Firmware (*.bin)|*.bin", "/tmp", ""};
    std::string path = "unchanged";
    EXPECT_TRUE(ui::OpenFileDialog(request, path));
    EXPECT_EQ(path, "/tmp/firmware.bin");
    path = "unchanged";
    EXPECT_FALSE(ui::SaveFileDialog(request, path));
    EXPECT_EQ(path, "unchanged");
    ASSERT_EQ(Dialogs().FileRequests().size(), 2u);
    EXPECT_EQ(Dialogs().FileRequests()[0].filter, "Firmware (*.bin)|*.bin");
    ui::Beep();
    ui::Beep();
    EXPECT_EQ(Dialogs().BeepCount(), 2);
}

TEST(uiFileFilter, PairsOfDescriptionAndPatternsBecomeQtFilters) {
    struct Case {
        const char* given;
        const char* expected;
    };
    const Case cases[] = {
        {"Firmware (*.bin)|*.bin", "Firmware (*.bin) (*.bin)"},
        {"Certificates|*.pem;*.crt|All files|*.*", "Certificates (*.pem *.crt);;All files (*.*)"},
        {"Only a description", "Only a description"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::QtFileFilter(c.given), c.expected) << c.given;
}

}  // namespace

namespace {

// The real Qt boxes, answered by a timer that clicks a button of the box on
// screen. Another timer keeps firing while the box runs its own loop.
class uiQtDialogs : public uitest::UiTest {
public:
    uiQtDialogs() : replaced_(ui::SetDialogService(nullptr)) {}
    ~uiQtDialogs() override { ui::SetDialogService(replaced_); }

private:
    ui::DialogService* replaced_;
};

TEST_F(uiQtDialogs, ARealBoxShowsItsTextPlainAndReturnsTheClickedButton) {
    struct Case {
        ui::Buttons buttons;
        QMessageBox::StandardButton click;
        ui::Answer answer;
    };
    const Case cases[] = {
        {ui::Buttons::Ok, QMessageBox::Ok, ui::Answer::Ok},
        {ui::Buttons::OkCancel, QMessageBox::Cancel, ui::Answer::Cancel},
        {ui::Buttons::YesNo, QMessageBox::Yes, ui::Answer::Yes},
        {ui::Buttons::YesNo, QMessageBox::No, ui::Answer::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.click));
        ui::Timer other(nullptr);
        int ticks = 0;
        other.SetInterval(5);
        other.OnTimer = [&](ui::Component*) { ++ticks; };
        QString seenText;
        QString seenCaption;
        int ticksWhileOpen = 0;
        std::function<void()> answer = [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || ticks < 3) {
                Later(10, answer);
                return;
            }
            ticksWhileOpen = ticks;
            seenText = box->text();
            seenCaption = box->windowTitle();
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            box->button(c.click)->click();
        };
        Later(10, answer);
        EXPECT_EQ(ui::MessageBox("<b>Set \xB0 Error!</b>", "ERROR", c.buttons, ui::Icon::Error), c.answer);
        EXPECT_EQ(seenText, QString::fromLatin1("<b>Set \xB0 Error!</b>"));
        EXPECT_EQ(seenCaption, "ERROR");
        EXPECT_GE(ticksWhileOpen, 3);
    }
}

}  // namespace
