#include "library/tftp/tftp_status.h"

const char* const VkTFTPMessages[kTFTPMessageCount] = {
    "(VkTFTP) Success to transfer file.",
    "(VkTFTP) File is transferring...",
    "(VkTFTP) A TFTP session is connected...",
    "(VkTFTP) A TFTP session is disconnected...",
    "(VkTFTP) Undefined error:",
    "(VkTFTP) File not found!",
    "(VkTFTP) Access violation!",
    "(VkTFTP) Disk full!",
    "(VkTFTP) Bad operation!",
    "(VkTFTP) Unknown port!",
    "(VkTFTP) File already exist!",
    "(VkTFTP) No such user!",
    "(VkTFTP) Fail to open socket!Please check if the network is ready.",
    "(VkTFTP) Fail to send or receive socket packet!",
    "(VkTFTP) Socket is not ready!",
    "(VkTFTP) Bad packet!",
    "(VkTFTP) Timeout!",
    "(VkTFTP) Transfer has been canceled.",
};

std::string VkTFTPStatusText(int status) {
    int entry = status >= 0 ? 3 - status : -status - 1097;
    bool known = (status >= 0 && status <= 3) || (status <= -1101 && status >= -1114);
    return known ? VkTFTPMessages[entry] : std::string();
}
