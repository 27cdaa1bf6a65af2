// The device ./run starts for the demo: the simulator with ./run's own
// fixture (its LAN on the loopback network) and its TFTP client pointed at
// the port the module's server takes (VAP_TFTP_PORT), as ./run sets them.
// The PC's address is found from the device's LAN address and mask as the
// main window finds it, and a file page's transfer ends well.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "pages/common/device_transfer.h"
#include "pages/maintenance/view_log_page.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "shell/local_address_discovery.h"
#include "tests/pages/file_page_test_support.h"

namespace {

class DemoDeviceTest : public filepagetest::FilePageTest {
protected:
    DemoDeviceTest() : FilePageTest("20000") {
        RestartSim({"--fixture", VAP_DEMO_DEVICE_FIXTURE, "--tftp-port", std::to_string(tftpPort), "--tftp-timeout",
                    "20000"});
        setenv("APPDATA", files.Path().c_str(), 1);
        mkdir(files.File("VAP-7720").c_str(), 0700);
        // What the main window does with the LAN address and mask it polls.
        TransferHooks().pcAddress = [this](std::string& address) {
            const DeviceAddresses device{Value("E.2.1.1.1.1.2.1"), Value("E.2.1.1.1.1.3.1"), ""};
            return FindPcAddress(device, files.Path(), pcAddresses_, address);
        };
    }
    ~DemoDeviceTest() override { unsetenv("APPDATA"); }

    std::vector<std::string> pcAddresses_;
};

TEST_F(DemoDeviceTest, TheDeviceIsReachedOnLoopbackAndTheLogArrivesThroughTheModulesServer) {
    ASSERT_TRUE(Started());
    std::string pcAddress;
    ASSERT_TRUE(TransferHooks().pcAddress(pcAddress));
    EXPECT_EQ(pcAddress, "127.0.0.1");

    pagetest::OpenedPage<TLogForm> page(LogForm);
    ASSERT_TRUE(RunUntil([&] { return page->GetFinished; }, 30000));
    EXPECT_EQ(page->StatusBar1->PanelText(0), LogGetOkText);
    EXPECT_GT(page->ViewListView->ItemCount(), 0);
    EXPECT_EQ(DeviceTransfer().rfind("state=done", 0), 0u) << DeviceTransfer();
}

}  // namespace
