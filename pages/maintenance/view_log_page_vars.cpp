#include "pages/maintenance/view_log_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kGetLog[] = {{0, "nothing"}, {1, "get"}, {}};
constexpr VkOptionEntry kClearLocalLog[] = {{0, "nothing"}, {1, "clear"}, {}};

}  // namespace

const VkOptionList OptSystemLogGetLog = MakeMibOptionList(kGetLog);
const VkOptionList OptSystemLogClearLocalLog = MakeMibOptionList(kClearLocalLog);

constexpr VkSNMPVarEntry VarsViewLogTransfer[] = {
    {VAP_MIB_OID(".5.4.4"), "systemLogTFTPServerIPAddress", ipaddress, readwrite},
    {VAP_MIB_OID(".5.4.5"), "systemLogFileName", displaystr, readwrite},
    {VAP_MIB_OID(".5.4.6"), "systemLogGetLog", integer, readwrite, &OptSystemLogGetLog},
    {},
};

constexpr VkSNMPVarEntry VarsViewLogGet[] = {
    {VAP_MIB_OID(".5.4.6"), "systemLogGetLog", integer, readwrite, &OptSystemLogGetLog},
    {},
};

constexpr VkSNMPVarEntry VarsViewLogClear[] = {
    {VAP_MIB_OID(".5.4.10"), "systemLogClearLocalLog", integer, readwrite, &OptSystemLogClearLocalLog},
    {},
};

static_assert(VkTablesComplete(VarsViewLogTransfer, VarsViewLogGet, VarsViewLogClear));
