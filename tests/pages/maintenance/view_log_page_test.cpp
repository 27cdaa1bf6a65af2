// The View Log page against the simulated access point: the device's log
// fetched over the page's TFTP server (the file byte for byte, the table
// rows), read only after the upload ended well; every failed fetch (upload
// refused, command unanswered, write not sent, no PC address) says so and
// leaves the page closable with Get Log usable; Clear empties the device's
// log and the table.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "pages/common/device_transfer.h"
#include "pages/maintenance/log_settings_page.h"
#include "pages/maintenance/maintenance_pages.h"
#include "pages/maintenance/view_log_page.h"
#include "platform/ui/button.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/page_openers.h"
#include "tests/pages/file_page_test_support.h"

namespace {

using filepagetest::ReadFile;
using filepagetest::WriteFile;
using pagetest::DeviceOid;
using pagetest::OpenedPage;

const std::vector<std::string> kInitialLog = {
    "Jan 01 00:00:05 | kernel [System] Device started",
    "Jan 01 00:00:09 | hostapd [Wireless] Radio 2.4GHz up on channel 6",
    "Jan 01 00:01:12 | httpd [Notice] Administrator logged in",
};

std::string TransferSet(const std::string& address) {
    return DeviceOid("E.5.4.4.0") + "=ipaddress:" + address + " " + DeviceOid("E.5.4.5.0") +
           "=string:LogFile.RD " + DeviceOid("E.5.4.6.0") + "=integer:0";
}
const std::string kGetSet = DeviceOid("E.5.4.6.0") + "=integer:1";

class ViewLogPageTest : public filepagetest::FilePageTest {
protected:
    // The device waits a second (scaled) for each answer of the page's
    // server: the page may be busy showing itself when the upload starts.
    ViewLogPageTest() : FilePageTest("20000") {
        setenv("APPDATA", files.Path().c_str(), 1);
        mkdir(logFolder.c_str(), 0700);
    }
    ~ViewLogPageTest() override { unsetenv("APPDATA"); }

    bool Fetched(TLogForm& page) { return RunUntil([&] { return page.GetFinished; }, 30000); }
    std::vector<std::string> Rows(TLogForm& page) {
        std::vector<std::string> rows;
        for (int i = 0; i < page.ViewListView->ItemCount(); ++i) {
            const ui::ListItem& item = *page.ViewListView->Item(i);
            rows.push_back(item.Caption() + "|" + item.SubItem(0) + "|" + item.SubItem(1));
        }
        return rows;
    }
    bool Closable(TLogForm& page) {
        bool canClose = false;
        page.FormCloseQuery(nullptr, canClose);
        return canClose && page.GetBtn->Enabled() && page.Clear_Btn->Enabled();
    }

    const std::string logFolder = files.File("VAP-7720");
    const std::string logFile = logFolder + "/LogFile.RD";
};

TEST_F(ViewLogPageTest, OpeningFetchesTheLogWholeAndShowsItsRows) {
    ASSERT_TRUE(Started());
    Control("devicelog \"t | [x] m\\x0d\"");
    Control("devicelog \"\"");
    Control("devicelog \"   \"");
    Control("devicelog \"no bar [Notice] text\"");
    OpenedPage<TLogForm> page(LogForm);
    bool canClose = true;
    page->FormCloseQuery(nullptr, canClose);
    EXPECT_FALSE(canClose) << "closing waits for the fetch";
    EXPECT_FALSE(page->GetBtn->Enabled());
    ASSERT_TRUE(Fetched(*page));

    EXPECT_EQ(Logged("SET"), (std::vector<std::string>{TransferSet("127.0.0.1"), kGetSet}));
    std::string sent;
    for (const std::string& line : kInitialLog) sent += line + "\n";
    sent += "t | [x] m\r\n\n   \nno bar [Notice] text\n";
    EXPECT_EQ(LogFilePath, logFile);
    EXPECT_EQ(ReadFile(logFile), sent);
    EXPECT_EQ(Status(*page), LogGetOkText);
    EXPECT_EQ(Rows(*page), (std::vector<std::string>{
                               "Jan 01 00:00:05|System| Device started",
                               "Jan 01 00:00:09|Wireless| Radio 2.4GHz up on channel 6",
                               "Jan 01 00:01:12|Notice| Administrator logged in",
                               "t|x| m",
                               "||   ",
                               "|Notice| text",
                           }));
    EXPECT_TRUE(Closable(*page));

    // The hidden "Log Settings" button opens that page.
    bool settingsSeen = false;
    Later(20, [&] {
        settingsSeen = LogSetForm != nullptr && LogSetForm->Modal();
        if (LogSetForm) LogSetForm->Close();
    });
    page->SetBtn->Click();
    EXPECT_TRUE(settingsSeen);
    EXPECT_EQ(LogSetForm, nullptr);
}

TEST_F(ViewLogPageTest, ClearEmptiesTheDevicesLogAndTheTableOnceTheDeviceTookIt) {
    ASSERT_TRUE(Started());
    OpenedPage<TLogForm> page(LogForm);
    ASSERT_TRUE(Fetched(*page));
    ASSERT_EQ(page->ViewListView->ItemCount(), 3);
    Control("error " + DeviceOid("E.5.4.10.0") + " genErr");
    page->Clear_Btn->Click();
    EXPECT_EQ(page->ViewListView->ItemCount(), 3) << "a refused clear keeps the table";
    EXPECT_NE(Status(*page), LogGetOkText);

    Control("clearlog");
    page->Clear_Btn->Click();
    EXPECT_EQ(Logged("SET"), std::vector<std::string>{DeviceOid("E.5.4.10.0") + "=integer:1"});
    EXPECT_EQ(page->ViewListView->ItemCount(), 0);
    EXPECT_TRUE(Sim().Control("devicelog").lines.empty());

    page->GetBtn->Click();
    ASSERT_TRUE(Fetched(*page));
    EXPECT_EQ(Status(*page), LogGetOkText) << "an empty log is a good fetch";
    EXPECT_EQ(ReadFile(logFile), "");
    EXPECT_EQ(page->ViewListView->ItemCount(), 0);
}

TEST_F(ViewLogPageTest, AFailedUploadSaysGetFailAndKeepsTheTable) {
    ASSERT_TRUE(Started());
    OpenedPage<TLogForm> page(LogForm);
    ASSERT_TRUE(Fetched(*page));
    const std::vector<std::string> shown = Rows(*page);

    // The device asks for another name: the armed server refuses it, the
    // device's upload fails and no file arrives.
    Control("tftpfault wrongname");
    Control("devicelog \"later | [System] not fetched\"");
    page->GetBtn->Click();
    ASSERT_TRUE(Fetched(*page));
    EXPECT_EQ(Status(*page), LogGetFailText);
    EXPECT_EQ(Rows(*page), shown) << "no stale or partial file is read";
    EXPECT_FALSE(IsRegularFile(logFile)) << "the old file went before the device was asked";
    EXPECT_NE(DeviceTransfer().find("state=failed"), std::string::npos);
    EXPECT_TRUE(Closable(*page));
}

TEST_F(ViewLogPageTest, AnUnansweredGetCommandEndsTheFetch) {
    ASSERT_TRUE(Started());
    OpenedPage<TLogForm> page(LogForm);
    ASSERT_TRUE(Fetched(*page));
    Control("drop 2 after 1");  // the transfer write passes, the get and its retry get no answer
    page->GetBtn->Click();
    ASSERT_TRUE(Fetched(*page));
    EXPECT_NE(Status(*page), LogGetOkText);
    EXPECT_NE(Status(*page), "");
    EXPECT_TRUE(Closable(*page));
}

TEST_F(ViewLogPageTest, ARefusedTransferWriteEndsTheFetchWithoutTheGet) {
    ASSERT_TRUE(Started());
    Control("error " + DeviceOid("E.5.4.5.0") + " genErr");
    OpenedPage<TLogForm> page(LogForm);
    ASSERT_TRUE(Fetched(*page));
    EXPECT_EQ(Logged("SET").size(), 1u) << "no get after a refused transfer write";
    EXPECT_NE(Status(*page), LogGetOkText);
    EXPECT_EQ(page->ViewListView->ItemCount(), 0);
    EXPECT_TRUE(Closable(*page));
}

TEST_F(ViewLogPageTest, AWriteThatCannotBeSentLeavesThePageClosable) {
    ASSERT_TRUE(Started());
    TransferHooks().pcAddress = [](std::string& address) {
        address = "not an address";
        return true;
    };
    OpenedPage<TLogForm> page(LogForm);
    ASSERT_TRUE(Fetched(*page));
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_NE(Status(*page), "");
    EXPECT_NE(Status(*page), LogGetOkText);
    EXPECT_TRUE(Closable(*page));
}

TEST_F(ViewLogPageTest, NoPcAddressSaysSoAndGetLogStaysUsable) {
    ASSERT_TRUE(Started());
    TransferHooks().pcAddress = [](std::string&) { return false; };
    Dialogs().ExpectBox(App().Title(), NoPcAddressLogText, ui::Answer::Ok);
    OpenedPage<TLogForm> page(LogForm);
    EXPECT_TRUE(Logged("SET").empty());
    EXPECT_TRUE(Closable(*page));
}

// The opening fetch finds no PC address; with one found, Get Log fetches the
// log into the page the menu opened.
TEST_F(ViewLogPageTest, TheStatusMenuEntryOpensThePage) {
    ASSERT_TRUE(Started());
    RegisterMaintenancePages();
    TransferHooks().pcAddress = [](std::string&) { return false; };
    Dialogs().ExpectBox(App().Title(), NoPcAddressLogText, ui::Answer::Ok);
    bool seen = false;
    bool fetched = false;
    Later(20, [&] {
        seen = LogForm != nullptr && LogForm->Modal() && LogForm->Caption() == "Status \\ View Log" &&
               !LogForm->SetBtn->Visible();
        if (LogForm == nullptr) return;
        TransferHooks().pcAddress = [](std::string& address) {
            address = "127.0.0.1";
            return true;
        };
        LogForm->GetBtn->Click();
        fetched = Fetched(*LogForm) && Status(*LogForm) == LogGetOkText && LogForm->ViewListView->ItemCount() == 3;
        SavePicture(*LogForm, "view-log-page");
        LogForm->Close();
    });
    EXPECT_TRUE(OpenRegisteredPage("ViewLog1"));
    EXPECT_TRUE(seen);
    EXPECT_TRUE(fetched);
    EXPECT_EQ(LogForm, nullptr);
}

}  // namespace
