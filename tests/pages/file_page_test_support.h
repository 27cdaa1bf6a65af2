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
    // tftpTimeout: how long (ms, scaled) the device waits for the page's
    // server (the simulator's TFTP client gives the whole transfer that long).
    explicit FilePageTest(const std::string& tftpTimeout);
    ~FilePageTest() override;

    // The device's last transfer as the simulator reports it
    // ("state=done operation=get ..."), once it is no longer busy.
    std::string DeviceTransfer();
    // The file the device fetched last under that name.
    std::string Fetched(const std::string& name);

    // Another host (127.0.0.2) asks the page's server to read or to write
    // the file the device is to move; the opcode of the first answer it gets
    // (5: a TFTP error), 0 when none came. Runs the loop while it waits.
    uint16_t StrangerAsks(bool read, const std::string& name);

    // The pages wait minutes for a device that does not answer; a test that
    // leaves one of these requests unanswered waits ten seconds per send
    // instead (before the time scale), the path taken being the same.
    static void ShortenAnswerWaits(std::initializer_list<VkSNMPRequest2Edits*> requests);

    int tftpPort = 0;
    support::TempFolder files;
    bool moduleEnded = false;
};

}  // namespace filepagetest
