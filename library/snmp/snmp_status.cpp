#include "library/snmp/snmp_status.h"

#include <cstddef>
#include <utility>

#include "library/common/messages.h"

namespace {

VkMappedStatus Mapped(int code, const VkMessageTable& table, int entry) {
    VkMappedStatus result;
    result.code = code;
    result.text = table.Text(static_cast<std::size_t>(entry));
    return result;
}

}  // namespace

VkMappedStatus MapSNMPStatus(int status) {
    if (status == 0 || status == 1400 || status == -1401) return Mapped(0, VkSNMPLayerMessages, 0);
    if (status >= 1401 && status <= 1414)
        return Mapped(1100 - status, VkSNMPUsmMessages, status - 1401);
    if (status >= -1418 && status <= -1402)
        return Mapped(status + 1201, VkSNMPv3Messages, -1402 - status);
    if (status >= 1 && status <= 18) return Mapped(-100 - status, VkSNMPPduMessages, status - 1);
    if (status >= -23 && status <= -1) return Mapped(status - 400, VkSNMPClassMessages, -1 - status);
    return Mapped(VK_ERR_UNKNOWN, VkSNMPLayerMessages, 28);
}

void VkSNMPError::SetStatus(int status) {
    VkMappedStatus mapped = MapSNMPStatus(status);
    code = mapped.code;
    text = std::move(mapped.text);
}
