#pragma once
// The status codes a TFTP transfer reports to its page, and their texts. The
// texts are compiled in; no message file replaces them. A TFTP error code e
// of the protocol corresponds to status -1101 - e.

#include <string>

enum VkTFTPStatus : int {
    TFTP_SUCCESS = 3,
    TFTP_TRANSFERRING = 2,
    TFTP_CONNECTED = 1,
    TFTP_DISCONNECTED = 0,
    TFTP_ERR_UNDEFINED = -1101,
    TFTP_ERR_FILE_NOT_FOUND = -1102,
    TFTP_ERR_ACCESS_VIOLATION = -1103,
    TFTP_ERR_DISK_FULL = -1104,
    TFTP_ERR_BAD_OPERATION = -1105,
    TFTP_ERR_UNKNOWN_PORT = -1106,
    TFTP_ERR_FILE_EXISTS = -1107,
    TFTP_ERR_NO_SUCH_USER = -1108,
    TFTP_ERR_SOCKET = -1109,
    TFTP_ERR_SOCKET_IO = -1110,
    TFTP_ERR_NOT_READY = -1111,
    TFTP_ERR_BAD_PACKET = -1112,
    TFTP_ERR_TIMEOUT = -1113,
    TFTP_ERR_CANCELED = -1114,
};

// 18 entries in the order 3, 2, 1, 0, -1101 .. -1114.
constexpr int kTFTPMessageCount = 18;
extern const char* const VkTFTPMessages[kTFTPMessageCount];

// The text of a status: entry 3 - s for s >= 0, entry -s - 1097 for s < 0;
// empty for a number that is no status.
std::string VkTFTPStatusText(int status);
