#pragma once
// The device's enterprise MIB tree: its root and the branches and groups under
// it. Every enterprise object the module reads or writes lies under
// MibDeviceRoot.
//
// VAP_MIB_OID spells an OID under the root as one string literal from the
// OID relative to it, so that tables can be constant data:
//
//   VAP_MIB_OID(".4.2.3")  ->  "1.3.6.1.4.1.32473.10.37.44.4.2.3"

#define VAP_MIB_DEVICE_ROOT "1.3.6.1.4.1.32473.10.37.44"
#define VAP_MIB_OID(relative) VAP_MIB_DEVICE_ROOT relative

inline constexpr char MibDeviceRoot[] = VAP_MIB_DEVICE_ROOT;

// Interface settings.
inline constexpr char MibInterfaceBranch[] = VAP_MIB_OID(".2");
// LAN interface entry: column c of instance 1 is MibLanIfGroup.c.1
// (hGetIPFrom 1, hIPAddress 2, hSubnetMask 3, hDefaultGateway 4,
// ifMacAddress 5).
inline constexpr char MibLanIfGroup[] = VAP_MIB_OID(".2.1.1.1.1");
// Radio (.1), security (.2), client information (.4), WDS information (.5),
// MAC clone (.6) and zone defence (.7).
inline constexpr char MibWirelessGroup[] = VAP_MIB_OID(".2.1.3.3");

// Services.
inline constexpr char MibFeatureBranch[] = VAP_MIB_OID(".3");
inline constexpr char MibDhcpServerGroup[] = VAP_MIB_OID(".3.1");
inline constexpr char MibLoadBalanceGroup[] = VAP_MIB_OID(".3.2");
inline constexpr char MibMultiSsidGroup[] = VAP_MIB_OID(".3.3");
inline constexpr char MibRogueApGroup[] = VAP_MIB_OID(".3.4.4");
inline constexpr char MibVlanGroup[] = VAP_MIB_OID(".3.6");
inline constexpr char MibQosGroup[] = VAP_MIB_OID(".3.7");
inline constexpr char MibTrafficControlGroup[] = VAP_MIB_OID(".3.9");
inline constexpr char MibScheduleGroup[] = VAP_MIB_OID(".3.10");
inline constexpr char MibApArrayGroup[] = VAP_MIB_OID(".3.11");
inline constexpr char MibInternalRadiusGroup[] = VAP_MIB_OID(".3.12");
inline constexpr char MibWebRedirectionGroup[] = VAP_MIB_OID(".3.14");
inline constexpr char MibArpSpoofingGroup[] = VAP_MIB_OID(".3.15");

// Administration.
inline constexpr char MibAdminBranch[] = VAP_MIB_OID(".4");
inline constexpr char MibUsersGroup[] = VAP_MIB_OID(".4.1");
// deviceRestart .1, deviceFactoryDefault .2, deviceSettingApply .3,
// deviceSettingDiscard .4, languagePackClear .5 (scalars).
inline constexpr char MibDeviceCommandGroup[] = VAP_MIB_OID(".4.2");
// tftpServerIPAddress .1, tftpRemoteFileName .2, tftpcommand .4,
// tftpUpgradeSettingCommand .5 (scalars).
inline constexpr char MibTftpGroup[] = VAP_MIB_OID(".4.3.2");
inline constexpr char MibConsoleGroup[] = VAP_MIB_OID(".4.4");
inline constexpr char MibTimeGroup[] = VAP_MIB_OID(".4.8");
inline constexpr char MibManagementLimitGroup[] = VAP_MIB_OID(".4.10");
inline constexpr char MibPingControlGroup[] = VAP_MIB_OID(".4.12");

// Status.
inline constexpr char MibStatusBranch[] = VAP_MIB_OID(".5");
// Firmware version .1; interface, LED and channel information .2.1.1.c.1;
// CPU use .3; memory use .4.
inline constexpr char MibDeviceInfoGroup[] = VAP_MIB_OID(".5.1");
inline constexpr char MibStatisticsGroup[] = VAP_MIB_OID(".5.2");
inline constexpr char MibLogGroup[] = VAP_MIB_OID(".5.4");
inline constexpr char MibTrapGroup[] = VAP_MIB_OID(".5.7.2");
