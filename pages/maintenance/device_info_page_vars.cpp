#include "pages/maintenance/device_info_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kAuthentication[] = {
    {1, "opensystem"},    {2, "sharedkey"},     {3, "opensystem-sharedkey"}, {4, "wpa-psk"}, {5, "wpa-eap"},
    {6, "wpa2-psk"},      {7, "wpa2-eap"},      {8, "wpa2-auto-psk"},        {9, "wpa2-auto-eap"},
    {10, "dot1x"},        {},
};
constexpr VkOptionEntry kEncryption[] = {{0, "disabled"}, {1, "enabled"}, {}};
constexpr VkOptionEntry kCipherType[] = {{1, "auto"}, {2, "aes"}, {3, "tkip"}, {4, "wep"}, {}};
constexpr VkOptionEntry kKeyType[] = {{1, "ASCII"}, {2, "HEX"}, {}};
constexpr VkOptionEntry kApArrayMode[] = {{1, "Master"}, {2, "Backup Master"}, {3, "Slave"}, {}};

}  // namespace

const VkOptionList OptDevInfoAuthentication = MakeMibOptionList(kAuthentication);
const VkOptionList OptDevInfoEncryption = MakeMibOptionList(kEncryption);
const VkOptionList OptDevInfoCipherType = MakeMibOptionList(kCipherType);
const VkOptionList OptDevInfoMssidKeyType = MakeMibOptionList(kKeyType);
const VkOptionList OptDevInfoApArrayMode = MakeMibOptionList(kApArrayMode);

constexpr VkSNMPVarEntry VarsDevInfoInterface[] = {
    {VAP_MIB_OID(".5.1.2.1.1.2.1"), "ifIpAddress", ipaddress, readonly},
    {VAP_MIB_OID(".5.1.2.1.1.3.1"), "ifSubnetMask", ipaddress, readonly},
    {VAP_MIB_OID(".5.1.2.1.1.4.1"), "ifDefaultGateway", ipaddress, readonly},
    {VAP_MIB_OID(".2.1.1.1.1.5.1"), "ifMacAddress", macaddress, readonly},
    {VAP_MIB_OID(".5.1.2.1.1.5.1"), "ifPriMacAddress", macaddress, readonly},
    {VAP_MIB_OID(".5.1.2.1.1.9.1"), "ssidMacAddressStart", macaddress, readonly},
    {VAP_MIB_OID(".5.1.2.1.1.10.1"), "ssidMacAddressEnd", macaddress, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsDevInfoRadioTable[] = {
    {" ", "ifIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.1"), "dot11Ssid", displaystr, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.3"), "dot11Channel", integer, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.11"), "dot11DataRate", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsDevInfoSecurity[] = {
    {VAP_MIB_OID(".2.1.3.3.2.1.1.1.1"), "dot11Authentication", integer, readwrite, &OptDevInfoAuthentication},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.2.1"), "dot11Encryption", integer, readwrite, &OptDevInfoEncryption},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.5.1"), "dot11CipherType", integer, readwrite, &OptDevInfoCipherType},
    {},
};

constexpr VkSNMPVarEntry VarsDevInfoMssidKey[] = {
    {VAP_MIB_OID(".3.3.3.1.12.1.1"), "dot11MssidKeyType", integer, readwrite, &OptDevInfoMssidKeyType},
    {VAP_MIB_OID(".3.3.3.1.8.1.1"), "dot11WepKey", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsDevInfoApArray[] = {
    {VAP_MIB_OID(".3.11.1.1.3"), "dot11ApArrayName", displaystr, readwrite},
    {VAP_MIB_OID(".3.11.1.1.2"), "dot11APArrayModeSelect", integer, readwrite, &OptDevInfoApArrayMode},
    {"1.3.6.1.2.1.1.6", "sysLocation", displaystr, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsDevInfoInterface, VarsDevInfoRadioTable, VarsDevInfoSecurity,
                               VarsDevInfoMssidKey, VarsDevInfoApArray));
