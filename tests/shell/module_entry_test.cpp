// The entry point makes its own application object, so these tests run in a
// program without the shared one.

#include "shell/module_entry.h"

#include "shell/startup.h"  // the whole start-up interface compiles on its own

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/os/exception.h"
#include "platform/ui/application.h"
#include "platform/ui/scripted_dialogs.h"
#include "shell/startup_failure.h"

namespace {

// What a main window saw of the entry point.
struct Seen {
    bool created = false;
    bool shown = false;
    bool deleted = false;
    bool mainFormWhileCreating = false;
    std::string title;
    std::vector<std::string> parameters;
};

class MainWindow : public ui::Form {
public:
    MainWindow(Seen& seen, bool failCreation) : ui::Form(nullptr), seen_(seen) {
        OnCreate = [this, failCreation](ui::Component*) {
            seen_.created = true;
            seen_.mainFormWhileCreating = ui::Form::MainForm() == this;
            seen_.title = ui::Application::Instance()->Title();
            seen_.parameters = CommandLineParameters();
            if (!failCreation) return;
            try {  // as the main window's creation handler ends a failed start-up
                throw os::ConvertError("'' is not a valid integer value");
            } catch (const os::Exception& error) {
                EndFailedStartup(error);
            }
        };
        OnShow = [this](ui::Component*) {
            seen_.shown = true;
            Close();  // closing the main window ends the module
        };
    }
    ~MainWindow() override { seen_.deleted = true; }

private:
    Seen& seen_;
};

int RunModuleWith(std::vector<std::string> arguments, Seen& seen, bool failCreation) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(arguments.size());
    return RunModule(argc, argv.data(), [&] { return new MainWindow(seen, failCreation); });
}

}  // namespace

TEST(ModuleEntry, RunsTheMainWindowWithTheTitleAndTheParametersAsGiven) {
    ui::ScriptedDialogs dialogs([](const std::string& failure) { ADD_FAILURE() << failure; });
    Seen seen;
    EXPECT_EQ(RunModuleWith({"vap7720", "/I192.168.0.50", "x/Rpublic", "", "-style"}, seen, false), 0);
    EXPECT_TRUE(seen.created);
    EXPECT_TRUE(seen.mainFormWhileCreating);
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.deleted);
    EXPECT_EQ(seen.title, "VAP7720Module");
    EXPECT_EQ(seen.parameters, (std::vector<std::string>{"/I192.168.0.50", "x/Rpublic", "", "-style"}));
    EXPECT_EQ(ui::Form::MainForm(), nullptr);
}

TEST(ModuleEntry, AFailedStartupEndsTheModuleWithExitCodeOneBeforeTheWindowShows) {
    ui::ScriptedDialogs dialogs([](const std::string& failure) { ADD_FAILURE() << failure; });
    dialogs.ExpectBox("VAP7720Module", "'' is not a valid integer value", ui::Answer::Ok);
    Seen seen;
    EXPECT_EQ(RunModuleWith({"vap7720", "/I192.168.0.50"}, seen, true), 1);
    EXPECT_EQ(dialogs.Boxes().size(), 1u);
    EXPECT_TRUE(seen.created);
    EXPECT_FALSE(seen.shown);
    EXPECT_TRUE(seen.deleted);
}

TEST(ModuleEntry, AFailureEscapingTheConstructionIsShownOnceAndEndsTheModule) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ui::ScriptedDialogs dialogs([](const std::string& failure) { ADD_FAILURE() << failure; });
    dialogs.ExpectBox("VAP7720Module", "no picture", ui::Answer::Ok);
    char name[] = "vap7720";
    char* argv[] = {name, nullptr};
    int argc = 1;
    EXPECT_EQ(RunModule(argc, argv, []() -> ui::Form* { throw os::Exception("no picture"); }), 1);
    EXPECT_EQ(dialogs.Boxes().size(), 1u);
    // The next run starts afresh.
    Seen seen;
    EXPECT_EQ(RunModuleWith({"vap7720"}, seen, false), 0);
}
