#include "pages/maintenance/firmware_page_vars.h"

#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

constexpr VkSNMPVarEntry VarsTftpServerFirmware[] = {
    {VAP_MIB_OID(".4.3.2.1"), "tftpServerIPAddress", ipaddress, readwrite},
    {VAP_MIB_OID(".4.3.2.2"), "tftpRemoteFileName", displaystr, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsTftpServerFirmware));
