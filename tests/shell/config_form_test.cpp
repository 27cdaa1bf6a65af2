// The generic configuration window: its one view, its own posted read, the
// refusal of a second view, closing while a read is under way, and the main
// window's openers that give their requests no variable list.

#include <QApplication>
#include <QWidget>

#include <memory>

#include "platform/os/exception.h"
#include "platform/ui/list_view.h"
#include "platform/ui/memo.h"
#include "shell/generic/config_form.h"
#include "shell/generic/msg_panel.h"
#include "shell/generic/snmp_list_view_panel.h"
#include "shell/main_form.h"
#include "shell/mib_tables.h"
#include "tests/shell/generic_view_test_support.h"

namespace {

using generictest::NewRequest;

constexpr char kFirmwareVersion[] = "E.5.1.1.0";

class ConfigFormTest : public pagetest::PageTest {
protected:
    int FirmwareReads() {
        int reads = 0;
        for (const std::string& pdu : Logged("GET")) reads += pdu.find(pagetest::DeviceOid(kFirmwareVersion)) == 0;
        return reads;
    }
};

TEST_F(ConfigFormTest, TheWindowReadsOnceMoreByItselfWhenItsLoopRuns) {
    TConfigForm window(nullptr);
    EXPECT_EQ(window.Caption(), "ConfigForm");
    VkSNMPRequest2Edits* request = NewRequest(&window, VarsFirmwareVersion, SVT_SV, 0);
    request->async = false;
    TSNMPEditorPanel* view = window.SetEditorRequest(request);
    Control("clearlog");
    request->Get();  // the opener's own read
    EXPECT_EQ(FirmwareReads(), 1);
    RunFor(50);
    EXPECT_EQ(FirmwareReads(), 2) << "the posted refresh";
    EXPECT_EQ(window.CurrentRequest, request);
    EXPECT_EQ(generictest::RowEdit(*view->EditsPanel, 0)->Text(), Value(kFirmwareVersion));
    EXPECT_GE(window.ClientWidth(), view->Width());
    EXPECT_GE(window.ClientHeight(), view->Height());
}

TEST_F(ConfigFormTest, AWindowWithoutAViewIgnoresItsPostedRefresh) {
    Control("clearlog");
    TConfigForm window(nullptr);
    RunFor(50);
    EXPECT_TRUE(Logged("GET").empty());
    window.Type = 9;
    try {
        window.Refresh();
        ADD_FAILURE() << "no exception";
    } catch (const os::Exception& error) {
        EXPECT_EQ(error.Message(), "Refresh a Form with unknown Form Type!");
    }
}

TEST_F(ConfigFormTest, ASecondViewIsRefusedAndNothingIsAdded) {
    TConfigForm window(nullptr);
    window.SetEditorRequest(NewRequest(&window, VarsFirmwareVersion, SVT_SV, 0));
    auto second = std::unique_ptr<VkSNMPRequest2Edits>(NewRequest(&window, VarsLanAddress, MVT_SV, 0));
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            if (attempt == 0) window.SetEditorRequest(second.get());
            if (attempt == 1) window.SetListViewRequest(second.get(), -1, "", -1, "");
            ADD_FAILURE() << "no exception";
        } catch (const os::Exception& error) {
            EXPECT_EQ(error.Message(), "Can not change Type of a Config Form!");
        }
    }
    EXPECT_EQ(window.Requests.size(), 1u);
    EXPECT_EQ(window.Type, 1);
}

TEST_F(ConfigFormTest, ClosingWithAReadUnderWayFreesTheRequests) {
    auto window = std::make_unique<TConfigForm>(nullptr);
    VkSNMPRequest2Edits* request = NewRequest(window.get(), VarsDhcpStaticTable, MVT_UMV, 1);
    TSNMPListViewPanel* view = window->SetListViewRequest(request, -1, "", -1, "");
    RunFor(20);
    ASSERT_TRUE(RunUntil([&] { return !request->busy; }));
    Control("delay 300");
    view->OnListRefreshClick(view->Buttons->RefreshButton);
    ASSERT_TRUE(request->busy);
    window->Show();
    view->Buttons->CloseButton->Click();
    EXPECT_TRUE(window->Requests.empty());
    EXPECT_EQ(window->CurrentRequest, nullptr);
    EXPECT_FALSE(window->Showing());
    window.reset();
    RunFor(100);  // answers arriving late find nothing
}

TEST_F(ConfigFormTest, CloseWithoutAWindowSaysSo) {
    ui::Form host(nullptr);
    auto request = std::unique_ptr<VkSNMPRequest2Edits>(NewRequest(&host, VarsFirmwareVersion, SVT_SV, 0));
    auto* view = new TSNMPEditorPanel(&host, request.get());
    Dialogs().ExpectBox(App().Title(), "Please initial close form", ui::Answer::Ok);
    view->Buttons->CloseButton->Click();
    request.reset();
}

TEST_F(ConfigFormTest, AReadThatCannotBeMadeIsWrittenToTheMessagePanel) {
    TConfigForm window(nullptr);
    VkSNMPRequest2Edits* request = NewRequest(&window, VarsFirmwareVersion, SVT_SV, 0);
    request->request.address = "no such host";
    TSNMPEditorPanel* view = window.SetEditorRequest(request);
    RunFor(50);
    EXPECT_GT(view->MsgPanel->Memo->LineCount(), 0);
}

// The main window's openers: each opens the window modally with its table's
// name and the device address, and a view without rows or columns.
TEST_F(ConfigFormTest, TheMainWindowsOpenersShowAnEmptyViewOfTheirTable) {
    struct Case {
        void (TMainForm::*handler)(ui::Component*);
        const char* title;
        bool table;
    };
    const Case cases[] = {
        {&TMainForm::adSecSettingKey1Click, "SecSettingKeyTable", false},
        {&TMainForm::Function1Click, "AdDynamicFunction", false},
        {&TMainForm::DynamicTable1Click, "AdDynamicTable", false},
        {&TMainForm::adStatic2Click, "StaticTable", true},
        {&TMainForm::adSecServSet1Click, "SecServSetting", false},
        {&TMainForm::dot11g1Click, "PtMPReAPMACAddress_80211g", false},
        {&TMainForm::dot11b1Click, "PtMPReAPMACAddress_80211a", false},
        {&TMainForm::N80211a3Click, "PerformanceTable-80211a", false},
        {&TMainForm::N80211g3Click, "PerformanceTable-80211g", false},
    };
    TMainForm main(nullptr);
    main.DeviceAddress = "192.168.1.1";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        int shown = 0;
        std::string caption;
        bool anyRow = true;
        bool listShown = false;
        Later(30, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->objectName() != "ConfigForm" || !widget->isVisible()) continue;
                ++shown;
                caption = widget->windowTitle().toStdString();
                anyRow = widget->findChild<QWidget*>("RowCheck0") != nullptr;
                QWidget* list = widget->findChild<QWidget*>("ListView");
                listShown = list != nullptr && list->isVisible();
                widget->close();
            }
        });
        (main.*c.handler)(nullptr);
        EXPECT_EQ(shown, 1) << "the window is shown modally";
        EXPECT_EQ(caption, std::string(c.title) + " : 192.168.1.1");
        EXPECT_EQ(main.TableTitle, c.title);
        EXPECT_FALSE(anyRow) << "no variable list, no rows";
        EXPECT_EQ(listShown, c.table);
    }
}

}  // namespace
