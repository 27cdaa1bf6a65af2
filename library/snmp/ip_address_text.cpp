#include "library/snmp/ip_address_text.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdio>
#include <cstring>

namespace {

bool ParseDotted(const std::string& text, std::string& octets) {
    std::string parsed;
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && (pos >= text.size() || text[pos++] != '.')) return false;
        unsigned value = 0;
        std::size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 3)
            value = value * 10 + static_cast<unsigned>(text[pos++] - '0');
        if (pos == start || value > 255) return false;
        parsed += static_cast<char>(value);
    }
    if (pos != text.size()) return false;
    octets = parsed;
    return true;
}

// A text of digits and dots only is meant as an address, never as a name
// (the resolver would read "1.2.3" as 1.2.0.3).
bool LooksNumeric(const std::string& text) {
    return text.find_first_not_of("0123456789.") == std::string::npos;
}

bool LookUpHost(const std::string& name, std::string& octets) {
    if (name.empty() || LooksNumeric(name)) return false;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
    const sockaddr_in* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    octets.assign(reinterpret_cast<const char*>(&address->sin_addr.s_addr), 4);
    freeaddrinfo(found);
    return true;
}

}  // namespace

std::string IPv4ToText(const std::string& octets) {
    if (octets.size() != 4) return std::string();
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", static_cast<unsigned char>(octets[0]),
                  static_cast<unsigned char>(octets[1]), static_cast<unsigned char>(octets[2]),
                  static_cast<unsigned char>(octets[3]));
    return text;
}

bool ResolveIPv4(const std::string& text, std::string& octets) {
    return ParseDotted(text, octets) || LookUpHost(text, octets);
}
