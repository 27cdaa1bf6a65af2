#pragma once
// The two folders start-up takes from the hosting suite's registry values
// (kept in the registry store file).

#include <string>

#include "platform/os/registry_store.h"

inline constexpr char kHelpPathKey[] = "\\SOFTWARE\\Velkor\\Modules\\HelpPath";
inline constexpr char kSuiteExePathKey[] = "\\SOFTWARE\\Velkor\\Vistrel5.1\\ExePath";
inline constexpr char kSuiteMibFileKey[] = "\\SOFTWARE\\Velkor\\Vistrel5.1\\MibFile";

// The module folder: the HelpPath value named after the MIB root, without its
// last 12 characters (the help file's name), so normally ending in '/'; ""
// when the value is missing or has 12 characters or fewer. The HelpPath key
// is created first when it is missing; a store that cannot be written is
// left alone. Never fails.
std::string ReadModuleFolder(const os::RegistryStore& store);

// The folder of the per-device settings files: the MibFile key's "Path"
// value when that key exists; else the ExePath key's "Path" value followed
// by "../Conf/MBF/" (with a '/' between them when the value does not end in
// one) when that key exists; else "" (the current folder). A key without a
// "Path" value counts as an empty value.
std::string ReadSettingsFolder(const os::RegistryStore& store);
