#include "shell/shell_texts.h"

#include "shell/mib_root.h"

const char* const ModelName = "VAP-7720";
const char* const ModelSuffix = "";
const char* const MibRootText = MibDeviceRoot;
const char* const InstanceGuardMessage = "SNMP Timeout or another VAP-7720 module is running!";
const char* const ApplicationTitle = "VAP7720Module";
const char* const NoParameterMessage = "This module is only used in the Vistrel or HP-Openview.";
