#include "pages/wireless/grouping_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {


}  // namespace

const VkOptionList OptDot11UserLimitStatus = MakeMibOptionList(kSwitchDisableEnable);

// The limit's row carries the name the page shows for it.
constexpr VkSNMPVarEntry VarsGroupUserLimit[] = {
    {VAP_MIB_OID(".3.2.1.1.4.1"), "dot11UserLimitStatus", integer, readwrite, &OptDot11UserLimitStatus},
    {VAP_MIB_OID(".3.2.1.1.2.1"), "UserLimit(0-64)", integer, readwrite, nullptr},
    {},
};

static_assert(VkTablesComplete(VarsGroupUserLimit));
