#include "shell/mib_option_lists.h"

// The lists are built in the order they are defined here (see the header).

VkOptionList MakeMibOptionList(const VkOptionEntry* rows) { return VkOptionList(rows, OPT_INT, false); }

const VkOptionEntry kSwitchDisableEnable[3] = {{0, "Disable"}, {1, "Enable"}, {}};
const VkOptionEntry kSwitchDisabledEnabled[3] = {{0, "Disabled"}, {1, "Enabled"}, {}};

namespace {

// Rows that several lists carry alike.
constexpr VkOptionEntry kRekeyControl[] = {{0, "Manual"}, {1, "Periodical Key Change "}, {}};
constexpr VkOptionEntry kWeekdays[] = {{0, "Sun"}, {1, "Mon"}, {2, "Tue"}, {3, "Wed"},
                                       {4, "Thu"}, {5, "Fri"}, {6, "Sat"}, {}};
constexpr VkOptionEntry kCipherTypes[] = {{1, "auto"}, {2, "aes"}, {3, "tkip"}, {4, "wep"}, {}};
constexpr VkOptionEntry kKeyIndexes[] = {{1, "First"}, {2, "Second"}, {3, "Third"}, {4, "Fourth"}, {}};

// Rows of one list each.
constexpr VkOptionEntry kDeviceRestart[] = {{0, "nothing"}, {1, "reboot"}, {}};
constexpr VkOptionEntry kDeviceSettingApply[] = {{0, "nothing"}, {1, "apply"}, {}};
constexpr VkOptionEntry kDot11ApMode2[] = {
    {1, "Access Point"}, {2, "WDS with AP"}, {3, "WDS"}, {4, "Wireless Client"}, {}};
constexpr VkOptionEntry kDot11ApMode[] = {
    {1, "Access Point"}, {2, "WDS With Ap"}, {3, "WDS"}, {4, "Wireless Client"}, {}};
constexpr VkOptionEntry kDot11Authentication[] = {
    {1, "opensystem"}, {2, "sharedkey"},     {4, "wpa-psk"},       {5, "wpa-eap"},   {6, "wpa2-psk"},
    {7, "wpa2-eap"},   {8, "wpa2-auto-psk"}, {9, "wpa2-auto-eap"}, {10, "dot1x(10)"}, {}};
constexpr VkOptionEntry kDot11Band[] = {{0, "2.4GHz"}, {1, "5GHz"}, {}};
constexpr VkOptionEntry kDot11ChannelWidth[] = {{1, "20MHz"}, {2, "Auto 20/40 MHz"}, {}};
constexpr VkOptionEntry kDot11ClientAuthentication[] = {
    {1, "opensystem"}, {2, "sharedkey"},     {4, "wpa-psk"},       {5, "wpa-eap"},     {6, "wpa2-psk"},
    {7, "wpa2-eap"},   {8, "wpa2-auto-psk"}, {9, "wpa2-auto-eap"}, {10, "802.1x/WEP"}, {11, "WEP"},
    {}};
constexpr VkOptionEntry kDot11ClientBand[] = {{0, "A"}, {1, "B"}, {2, "G"}, {3, "N"}, {}};
constexpr VkOptionEntry kDot11ClientInformationRefresh[] = {{0, "nothing"}, {1, "get"}, {}};
constexpr VkOptionEntry kDot11MssidAuthentication[] = {
    {1, "opensystem"},    {2, "sharedkey"},     {3, "opensystem-sharedkey"},
    {4, "wpa-psk"},       {5, "wpa-eap"},       {6, "wpa2-psk"},
    {7, "wpa2-eap"},      {8, "wpa2-auto-psk"}, {9, "wpa2-auto-eap"},
    {10, "dot1x"},        {}};
constexpr VkOptionEntry kDot11MssidKeyType[] = {{1, "ASCII"}, {2, "HEX"}, {}};
constexpr VkOptionEntry kDot11MssidPriority[] = {{0, "0"}, {1, "1"}, {2, "2"}, {3, "3"}, {4, "4"},
                                                 {5, "5"}, {6, "6"}, {7, "7"}, {}};
constexpr VkOptionEntry kDot11WifiMode24[] = {
    {6, "Mixed 802.11n,802.11g and 802.11b"}, {3, "Mixed 802.11g and 802.11b"}, {2, "802.11n Only"}, {}};
constexpr VkOptionEntry kDot11WifiMode5[] = {
    {9, "Mixed 802.11n and 802.11a"}, {7, "802.11a Only"}, {8, "802.11n Only"}, {}};
constexpr VkOptionEntry kManagerIpAddressStatus[] = {
    {0, "disable"}, {1, "vlanID"}, {2, "ipaddress"}, {3, "both"}, {}};
constexpr VkOptionEntry kTftpCommand[] = {{2, "Get"}, {3, "Put"}, {4, "Nothing"}, {5, "putacl"}, {}};
constexpr VkOptionEntry kTftpUpgradeSettingCommand[] = {
    {1, "Firmwareupdate"}, {2, "configSetting"},         {3, "Configsave"},    {4, "Reboot"},
    {6, "Nothing"},        {7, "certificateFileUpdate"}, {8, "keyFileUpdate"}, {9, "getacl"},
    {}};

}  // namespace

const VkOptionList OptDeviceRestart = MakeMibOptionList(kDeviceRestart);
const VkOptionList OptDeviceSettingApply = MakeMibOptionList(kDeviceSettingApply);
const VkOptionList OptDhcpServerControl = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDhcpStaticStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11APArrayStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11ApMode2 = MakeMibOptionList(kDot11ApMode2);
const VkOptionList OptDot11ApMode = MakeMibOptionList(kDot11ApMode);
const VkOptionList OptDot11Authentication = MakeMibOptionList(kDot11Authentication);
const VkOptionList OptDot11AutoChannelScan = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11AutoRekeyControl = MakeMibOptionList(kRekeyControl);
const VkOptionList OptDot11AutoRekeyStartWeek = MakeMibOptionList(kWeekdays);
const VkOptionList OptDot11Band = MakeMibOptionList(kDot11Band);
const VkOptionList OptDot11ChannelWidth = MakeMibOptionList(kDot11ChannelWidth);
const VkOptionList OptDot11CipherType = MakeMibOptionList(kCipherTypes);
const VkOptionList OptDot11ClientAuthentication = MakeMibOptionList(kDot11ClientAuthentication);
const VkOptionList OptDot11ClientBand = MakeMibOptionList(kDot11ClientBand);
const VkOptionList OptDot11ClientInformationRefresh = MakeMibOptionList(kDot11ClientInformationRefresh);
const VkOptionList OptDot11Encryption = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11KeyIndex = MakeMibOptionList(kKeyIndexes);
const VkOptionList OptDot11MssIndividualState = MakeMibOptionList(kSwitchDisabledEnabled);
const VkOptionList OptDot11MssidAuthentication = MakeMibOptionList(kDot11MssidAuthentication);
const VkOptionList OptDot11MssidAutoRekeyControl = MakeMibOptionList(kRekeyControl);
const VkOptionList OptDot11MssidAutoRekeyStartWeek = MakeMibOptionList(kWeekdays);
const VkOptionList OptDot11MssidCipherType = MakeMibOptionList(kCipherTypes);
const VkOptionList OptDot11MssidEncryption = MakeMibOptionList(kSwitchDisabledEnabled);
const VkOptionList OptDot11MssidKeyType = MakeMibOptionList(kDot11MssidKeyType);
const VkOptionList OptDot11MssidPriority = MakeMibOptionList(kDot11MssidPriority);
const VkOptionList OptDot11MssidState = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11MssidSuppress = MakeMibOptionList(kSwitchDisabledEnabled);
const VkOptionList OptDot11MssidWepKeyIndex = MakeMibOptionList(kKeyIndexes);
const VkOptionList OptDot11MssidWmm = MakeMibOptionList(kSwitchDisabledEnabled);
const VkOptionList OptDot11NetworkAccessProtection = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11SsidBroadcast = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11VlanStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11WebRedirectionStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11WifiMode24 = MakeMibOptionList(kDot11WifiMode24);
const VkOptionList OptDot11WifiMode5 = MakeMibOptionList(kDot11WifiMode5);
const VkOptionList OptManagerIpAddressStatus = MakeMibOptionList(kManagerIpAddressStatus);
const VkOptionList OptTftpCommand = MakeMibOptionList(kTftpCommand);
const VkOptionList OptTftpUpgradeSettingCommand = MakeMibOptionList(kTftpUpgradeSettingCommand);

// ---------------------------------------------------------------------------
// Lists of one page's tables: each page adds its rows and lists here, after
// the shared ones (declared in the matching section of the header).
// (none yet)
// ---------------------------------------------------------------------------
