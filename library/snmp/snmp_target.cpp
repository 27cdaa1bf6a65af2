#include "library/snmp/snmp_target.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

// Appends one field with its length, so that no two field lists give the
// same key whatever bytes the texts hold.
void AddField(std::string& key, const std::string& field) {
    key += std::to_string(field.size());
    key += ':';
    key += field;
}

}  // namespace

std::string VkSnmpTarget::SessionKey() const {
    std::string key;
    for (const std::string* text : {&address, &readCommunity, &writeCommunity, &securityName,
                                    &authPassword, &privPassword})
        AddField(key, *text);
    for (int number : {int(port), version, securityModel, securityLevel, authProtocol,
                       privProtocol, retries})
        AddField(key, std::to_string(number));
    return key;
}

bool ResolveAgentAddress(const std::string& addressOrName, std::string& dotted) {
    if (addressOrName.empty()) return false;
    in_addr numeric{};
    if (inet_pton(AF_INET, addressOrName.c_str(), &numeric) == 1) {  // no lookup needed
        dotted = addressOrName;
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(addressOrName.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return false;
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    bool ok = inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) != nullptr;
    freeaddrinfo(found);
    if (ok) dotted = text;
    return ok;
}
