#pragma once
// What the file page tests share: each test's simulator talks to the page's
// TFTP server on a port of the test's own (VAP_TFTP_PORT), the PC's address
// on the device's network is 127.0.0.1, and files are read and written in a
// folder of the test's own.

#include <initializer_list>
#include <string>

#include "tests/pages/page_test_support.h"
#include "tests/support/temp_folder.h"

class VkSNMPRequest2Edits;

namespace filepagetest {

// A UDP port of 127.0.0.1 free at the moment of the call.
int FreeUdpPort();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

class FilePageTest : public pagetest::PageTest {
protected:
    FilePageTest();
    // tftpTimeout: how long (ms, scaled) the device waits for each answer of
    // the page's server.
    explicit FilePageTest(const std::string& tftpTimeout);
    ~FilePageTest() override;

    // The device's last transfer as the simulator reports it
    // ("state=done operation=get ..."), once it is no longer busy.
    std::string DeviceTransfer();
    // The file the device fetched last under that name.
    std::string Fetched(const std::string& name);

    // The pages wait minutes for a device that does not answer; a test that
    // leaves one of these requests unanswered waits ten seconds per send
    // instead (before the time scale), the path taken being the same.
    static void ShortenAnswerWaits(std::initializer_list<VkSNMPRequest2Edits*> requests);

    int tftpPort = 0;
    support::TempFolder files;
    bool moduleEnded = false;
};

}  // namespace filepagetest
