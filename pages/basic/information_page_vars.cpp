#include "pages/basic/information_page_vars.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

constexpr VkSNMPVarEntry VarsMib2System[] = {
    {"1.3.6.1.2.1.1.1", "systemDescr", displaystr, readonly},
    {"1.3.6.1.2.1.1.2", "systemObjectID", objectid, readonly},
    {"1.3.6.1.2.1.1.3", "systemUpTime", timeticks, readonly},
    {"1.3.6.1.2.1.1.4", "systemContact", displaystr, readwrite},
    {"1.3.6.1.2.1.1.5", "systemName", displaystr, readwrite},
    {"1.3.6.1.2.1.1.6", "systemLocation", displaystr, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsMib2System));
