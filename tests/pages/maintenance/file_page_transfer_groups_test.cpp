// The transfer groups of the file pages, made by the one shared maker: each
// page keeps its own time-outs (hundredths of a second per try) and modes,
// the server group's objects, and the hidden controls bound to them.
#include <gtest/gtest.h>

#include <string>

#include "library/snmp/request_to_edits.h"
#include "pages/maintenance/config_file_page.h"
#include "pages/maintenance/firmware_page.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "tests/pages/file_page_test_support.h"

namespace {

using pagetest::OpenedPage;

struct GroupTimes {
    int server;
    int transfer;
    int upgrade;
};

template <class Page>
void ExpectTransferGroups(Page& page, const GroupTimes& times) {
    struct Group {
        const char* name;
        VkSNMPRequest2Edits* request;
        int timeout;
        bool async;
        const char* firstObject;
    };
    const Group groups[] = {
        {"transfer server", page.TftpServerRequest, times.server, false, "tftpServerIPAddress"},
        {"transfer command", page.TftpCommandRequest, times.transfer, true, "tftpcommand"},
        {"upgrade command", page.UpgradeCommandRequest, times.upgrade, true, "tftpUpgradeSettingCommand"},
    };
    for (const Group& group : groups) {
        SCOPED_TRACE(group.name);
        ASSERT_NE(group.request, nullptr);
        EXPECT_EQ(group.request->request.timeout, group.timeout);
        EXPECT_EQ(group.request->async, group.async);
        EXPECT_EQ(group.request->request.vars.Item(0)->name, group.firstObject);
    }
    EXPECT_EQ(page.TftpServerRequest->request.vars.Item(1)->name, "tftpRemoteFileName");
    for (ui::Control* hidden : {static_cast<ui::Control*>(page.Ed_TfpSrv), static_cast<ui::Control*>(page.Ed_RemoteFile),
                                static_cast<ui::Control*>(page.CB_TfpCom), static_cast<ui::Control*>(page.CB_UpgCom)})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    EXPECT_EQ(page.CB_TfpCom->Name(), "CB_TfpCom");
    EXPECT_EQ(page.CB_UpgCom->Name(), "CB_UpgCom");
    EXPECT_GT(page.CB_UpgCom->ItemCount(), 6) << "the upgrade commands by their positions";
}

class FilePageTransferGroupsTest : public filepagetest::FilePageTest {};

TEST_F(FilePageTransferGroupsTest, EachFilePageKeepsItsTimeOutsAndModes) {
    ASSERT_TRUE(Started());
    {
        SCOPED_TRACE("Configuration File");
        OpenedPage<TFM_CfgFile> page(FM_CfgFile);
        ExpectTransferGroups(*page, {10000, 10000, 30000});
    }
    {
        SCOPED_TRACE("Firmware & SSL");
        OpenedPage<TFM_Firmware> page(FM_Firmware);
        ExpectTransferGroups(*page, {40000, 15000, 30000});
    }
}

}  // namespace
