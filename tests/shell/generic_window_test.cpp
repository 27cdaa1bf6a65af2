// The generic configuration window: what each of the main window's openers
// gives its window (the request's time-out, the window's width, the rows'
// edit width), and closing against a device that has not answered yet: the
// window goes at once and the late answer is dropped.

#include "library/snmp/global_session.h"
#include "shell/main_form.h"
#include "tests/shell/generic_view_test_support.h"

namespace {

using generictest::GenericViewsTest;

class GenericWindowTest : public GenericViewsTest {
protected:
    // Runs `whileOpen` with the opener's window once its modal run began,
    // then closes it.
    void WhileOpen(TMainForm& main, std::function<void(TConfigForm&)> whileOpen, int looks = 50) {
        Later(20, [this, &main, whileOpen, looks] {
            if (main.ConfigWindow == nullptr && looks > 0) return WhileOpen(main, whileOpen, looks - 1);
            ASSERT_NE(main.ConfigWindow, nullptr);
            whileOpen(*main.ConfigWindow);
            main.ConfigWindow->Close();
        });
    }
    static TSNMPEditorPanel* EditorOf(TConfigForm& window) {
        for (int k = 0; k < window.ComponentCount(); ++k) {
            if (auto* view = dynamic_cast<TSNMPEditorPanel*>(window.ComponentAt(k))) return view;
        }
        return nullptr;
    }
};

TEST_F(GenericWindowTest, EachOpenerGivesItsWindowItsTimeOutAndWidths) {
    constexpr int kDefault = 0;  // the global settings' time-out
    constexpr int kViewsEditWidth = 121;
    struct Case {
        void (TMainForm::*handler)(ui::Component*);
        const char* title;
        int timeout;
        bool wide;  // the window 500 wide; otherwise as the view sets it
        int editWidth;
    };
    const Case cases[] = {
        {&TMainForm::adSecSettingKey1Click, "SecSettingKeyTable", kDefault, true, kViewsEditWidth},
        {&TMainForm::Function1Click, "AdDynamicFunction", kDefault, true, kViewsEditWidth},
        {&TMainForm::DynamicTable1Click, "AdDynamicTable", kDefault, true, kViewsEditWidth},
        {&TMainForm::adStatic2Click, "StaticTable", kDefault, true, kViewsEditWidth},
        {&TMainForm::adSecServSet1Click, "SecServSetting", kDefault, true, kViewsEditWidth},
        {&TMainForm::dot11g1Click, "PtMPReAPMACAddress_80211g", 10000, true, kViewsEditWidth},
        {&TMainForm::dot11b1Click, "PtMPReAPMACAddress_80211a", 10000, true, kViewsEditWidth},
        {&TMainForm::N80211a3Click, "PerformanceTable-80211a", kDefault, false, 220},
        {&TMainForm::N80211g3Click, "PerformanceTable-80211g", kDefault, false, 220},
    };
    TMainForm main(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        int timeout = -1;
        int width = 0;
        int editWidth = 0;
        WhileOpen(main, [&](TConfigForm& window) {
            ASSERT_EQ(window.Requests.size(), 1u);
            timeout = window.Requests.front()->request.timeout;
            width = window.Width();
            TSNMPEditorPanel* view = EditorOf(window);
            ASSERT_NE(view, nullptr);
            editWidth = view->EditsPanel->EditWidth;
        });
        (main.*c.handler)(nullptr);
        EXPECT_EQ(main.TableTitle, c.title);
        EXPECT_EQ(timeout, c.timeout == kDefault ? GlobalSNMPTimeout : c.timeout);
        if (c.wide) {
            EXPECT_EQ(width, 500);
        } else {
            EXPECT_LT(width, 500);
        }
        EXPECT_EQ(editWidth, c.editWidth);
        EXPECT_EQ(main.ConfigWindow, nullptr) << "gone with its modal run";
    }
}

TEST_F(GenericWindowTest, ClosingWhileTheDeviceHasNotAnsweredClosesAtOnceAndDropsTheAnswer) {
    TSNMPListViewPanel* view = StaticTable();
    VkSNMPRequest2Edits* request = view->Request;
    request->request.timeout = 10000;  // as the openers of the slow tables give it
    Load(view);
    view->MsgPanel->Memo->Clear();
    // Answered well after the request's own wait when it is deleted (its
    // destructor waits 6000 ms for outstanding answers).
    Control("delay 40000");
    view->OnListRefreshClick(view->Buttons->RefreshButton);
    ASSERT_TRUE(request->busy);
    Window().Show();
    view->Buttons->CloseButton->Click();
    EXPECT_FALSE(Window().Showing());
    EXPECT_TRUE(Window().Requests.empty());
    EXPECT_EQ(view->ListViewPanel->ListView->ItemCount(), 0) << "the answer was not waited for";
    EXPECT_TRUE(PanelLines(view).empty()) << "nor reported";
    Control("delay 0");
}

}  // namespace
