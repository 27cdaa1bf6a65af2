// Status texts, the status record's count, request parsing, name
// confinement and the upload file.
#include <gtest/gtest.h>

#include "library/tftp/served_path.h"
#include "library/tftp/tftp_msg.h"
#include "library/tftp/tftp_packet.h"
#include "library/tftp/tftp_status.h"
#include "library/tftp/upload_file.h"
#include "tests/library/tftp/tftp_test_files.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace tftptest;
using support::TempFolder;

TEST(TftpStatusText, FollowsTheTableIndexRule) {
    const struct {
        int status;
        const char* text;
    } cases[] = {
        {3, "(VkTFTP) Success to transfer file."},
        {2, "(VkTFTP) File is transferring..."},
        {1, "(VkTFTP) A TFTP session is connected..."},
        {0, "(VkTFTP) A TFTP session is disconnected..."},
        {-1101, "(VkTFTP) Undefined error:"},
        {-1102, "(VkTFTP) File not found!"},
        {-1109, "(VkTFTP) Fail to open socket!Please check if the network is ready."},
        {-1111, "(VkTFTP) Socket is not ready!"},
        {-1113, "(VkTFTP) Timeout!"},
        {-1114, "(VkTFTP) Transfer has been canceled."},
        {4, ""},
        {-1, ""},
        {-1100, ""},
        {-1115, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(VkTFTPStatusText(c.status), c.text) << c.status;
}

// One transfer may pass 2 GiB: the count of the status record goes on past
// the largest 32-bit number.
TEST(TftpStatusRecord, CountsBytesPastTwoGibibytes) {
    VkTFTPMsg msg;
    msg.bytesTransferred = 2147483647;
    msg.bytesTransferred += 512;
    EXPECT_EQ(msg.bytesTransferred, 2147484159LL);
    msg.bytesTransferred += 4294967296LL;
    EXPECT_EQ(msg.bytesTransferred, 6442451455LL);
}

TEST(TftpRequestParsing, ReadsNameAndModeWithinTheDatagram) {
    const struct {
        std::string datagram;
        bool accepted;
        uint16_t opcode;
        const char* fileName;
        const char* mode;
    } cases[] = {
        {std::string("\0\1fw.bin\0octet\0", 15), true, 1, "fw.bin", "octet"},
        {std::string("\0\2cfg.dcf\0netascii\0", 19), true, 2, "cfg.dcf", "netascii"},
        // Options after the mode are ignored.
        {std::string("\0\1f\0octet\0tsize\0" "0\0blksize\0" "512\0", 30), true, 1, "f", "octet"},
        {std::string("\0\1name-without-zero", 19), true, 1, "name-without-zero", ""},
        {std::string("\0\1f\0", 4), true, 1, "f", ""},
        {std::string("\0\1\0octet\0", 9), true, 1, "", "octet"},
        {std::string("\0\1f", 3), false, 0, "", ""},
        {std::string("\0\3f\0octet\0", 10), false, 0, "", ""},
        {std::string("\0\5\0\1\0", 5), false, 0, "", ""},
    };
    for (const auto& c : cases) {
        tftp::Request request;
        ASSERT_EQ(tftp::ParseRequest(c.datagram, request), c.accepted) << c.fileName;
        if (!c.accepted) continue;
        EXPECT_EQ(request.opcode, c.opcode);
        EXPECT_EQ(request.fileName, c.fileName);
        EXPECT_EQ(request.mode, c.mode);
    }
}

TEST(TftpServedNames, OnlyBareNamesReachTheFolder) {
    const struct {
        const char* name;
        bool bare;
    } cases[] = {
        {"firmware.bin", true}, {"LogFile.RD", true},  {".hidden", true},  {"a..b", true},
        {"", false},            {".", false},          {"..", false},      {"../x", false},
        {"/etc/hostname", false}, {"a/b", false},      {"a\\b", false},    {"C:x", false},
        {"c:\\boot.ini", false},
    };
    for (const auto& c : cases) EXPECT_EQ(tftp::IsBareFileName(c.name), c.bare) << c.name;
}

TEST(TftpUploadFile, ReplacesTheTargetOnlyOnCommit) {
    TempFolder folder;
    std::string target = folder.File("cfg.dcf");
    WriteFile(target, "old");
    {
        tftp::UploadFile upload;
        ASSERT_TRUE(upload.Open(target));
        ASSERT_TRUE(upload.Write("new", 3));
        EXPECT_EQ(ReadFile(target), "old");
        EXPECT_EQ(folder.Entries().size(), 2u);  // the target and the temporary file
    }  // gone without Commit
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"cfg.dcf"});

    tftp::UploadFile upload;
    ASSERT_TRUE(upload.Open(target));
    ASSERT_TRUE(upload.Write("new", 3));
    ASSERT_TRUE(upload.Commit());
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"cfg.dcf"});
}

TEST(TftpUploadFile, CannotBeCreatedInAMissingFolder) {
    TempFolder folder;
    tftp::UploadFile upload;
    EXPECT_FALSE(upload.Open(folder.File("missing/cfg.dcf")));
}

}  // namespace
