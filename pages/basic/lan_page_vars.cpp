#include "pages/basic/lan_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kHGetIPFrom[] = {{1, "Static IP(Manual)"}, {2, "Dynamic IP(DHCP)"}, {}};

}  // namespace

const VkOptionList OptHGetIPFrom = MakeMibOptionList(kHGetIPFrom);

constexpr VkSNMPVarEntry VarsLanGetIpFrom[] = {
    {VAP_MIB_OID(".2.1.1.1.1.1.1"), "hGetIPFrom", integer, readwrite, &OptHGetIPFrom},
    {},
};

static_assert(VkTablesComplete(VarsLanGetIpFrom));
