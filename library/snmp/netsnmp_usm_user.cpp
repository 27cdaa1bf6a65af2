#include "library/snmp/netsnmp_usm_user.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <cstring>
#include <map>

#include "library/snmp/usm_key.h"

namespace {

const oid* AuthProtocolOid(int authProtocol, size_t& length) {
    length = USM_AUTH_PROTO_MD5_LEN;
    if (authProtocol == 2) return usmHMACMD5AuthProtocol;
    if (authProtocol == 3) return usmHMACSHA1AuthProtocol;
    length = USM_AUTH_PROTO_NOAUTH_LEN;
    return usmNoAuthProtocol;
}

const oid* PrivProtocolOid(int privProtocol, size_t& length) {
    length = USM_PRIV_PROTO_DES_LEN;
    if (privProtocol == 2) return usmDESPrivProtocol;
    length = USM_PRIV_PROTO_NOPRIV_LEN;
    return usmNoPrivProtocol;
}

void CopyKey(const std::string& key, u_char* into, size_t capacity, size_t& length) {
    length = key.size() < capacity ? key.size() : capacity;
    memcpy(into, key.data(), length);
}

// Per cached USM user (engine ID + name): the credentials it was made from.
std::map<std::string, std::string>& UserCredentials() {
    static auto* credentials = new std::map<std::string, std::string>;
    return *credentials;
}

std::string Credentials(const VkSnmpTarget& target) {
    VkSnmpTarget user;
    user.authProtocol = target.authProtocol;
    user.privProtocol = target.privProtocol;
    user.authPassword = target.authPassword;
    user.privPassword = target.privPassword;
    return user.SessionKey();
}

}  // namespace

void FillUsmUser(netsnmp_session& s, const VkSnmpTarget& target) {
    s.securityModel = SNMP_SEC_MODEL_USM;
    s.securityName = const_cast<char*>(target.securityName.c_str());
    s.securityNameLen = target.securityName.size();
    s.securityLevel = target.securityLevel;
    s.securityAuthProto = const_cast<oid*>(AuthProtocolOid(target.authProtocol, s.securityAuthProtoLen));
    s.securityPrivProto = const_cast<oid*>(PrivProtocolOid(target.privProtocol, s.securityPrivProtoLen));
    CopyKey(UsmPassphraseKey(target.authProtocol, target.authPassword), s.securityAuthKey,
            sizeof s.securityAuthKey, s.securityAuthKeyLen);
    CopyKey(UsmPassphraseKey(target.authProtocol, target.privPassword), s.securityPrivKey,
            sizeof s.securityPrivKey, s.securityPrivKeyLen);
}

bool EnsureUsmUser(void* handle, const VkSnmpTarget& target) {
    netsnmp_session* live = snmp_sess_session(handle);
    if (live->securityEngineIDLen == 0) return false;
    std::string engineId(reinterpret_cast<const char*>(live->securityEngineID), live->securityEngineIDLen);
    std::string& owner = UserCredentials()[engineId + '\0' + target.securityName];
    std::string mine = Credentials(target);
    usmUser* cached = usm_get_user(live->securityEngineID, live->securityEngineIDLen,
                                   const_cast<char*>(target.securityName.c_str()));
    if (cached != nullptr && owner == mine) return true;
    if (cached != nullptr) {
        usm_remove_user(cached);  // (returns the list, not the user)
        usm_free_user(cached);
    }
    live->flags &= ~SNMP_FLAGS_USER_CREATED;
    if (usm_create_user_from_session(live) != SNMPERR_SUCCESS) return false;
    owner = mine;
    return true;
}

