#include "pages/common/completion_status.h"

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"

void ShowCompletion(VkSNMPRequest2Controls& group, const VkSNMPError& result, const std::string& okText) {
    if (result.code == VK_OK)
        group.ShowStatusText(okText);
    else
        group.ShowStatus(result.text);
}
