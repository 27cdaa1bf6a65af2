#include "library/tftp/server_port.h"

#include <cstdlib>
#include <string>

#include "library/tftp/tftp_server.h"

int VkTFTPServerPort() {
    const char* text = std::getenv("VAP_TFTP_PORT");
    if (text == nullptr || *text == '\0') return VkTFTPServer::kDefaultPort;
    char* end = nullptr;
    long port = std::strtol(text, &end, 10);
    if (*end != '\0' || port < 1 || port > 65535) return VkTFTPServer::kDefaultPort;
    return static_cast<int>(port);
}
