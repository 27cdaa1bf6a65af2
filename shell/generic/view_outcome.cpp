#include "shell/generic/view_outcome.h"

#include <string>

#include "library/common/messages.h"
#include "library/snmp/request_to_controls.h"
#include "library/snmp/write_result.h"
#include "platform/os/exception.h"

namespace {

constexpr int kRead = 0;
constexpr int kWrite = 1;

void ShowOutcome(VkSNMPRequest2Controls& request, int operation, int32_t code, const std::string& text) {
    request.lastOperation = operation;
    request.ShowStatus(code == VK_OK ? MessageText(VK_OK) : (text.empty() ? MessageText(code) : text));
}

}  // namespace

void ReportReads(VkSNMPRequest2Controls& request) {
    request.OnGetDone = [](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
        ShowOutcome(*sender, kRead, result->code, result->text);
    };
}

void ReadAndReport(VkSNMPRequest2Controls& request) {
    request.request.ClearFailure();
    try {
        request.Get();
    } catch (const os::Exception& error) {
        request.ShowStatus(error.Message());
        return;
    }
    // A stopped request reads nothing and has nothing to say; an
    // asynchronous read under way reports through OnGetDone.
    if (!request.request.enabled || (request.async && request.busy)) return;
    const VkSNMPError& failure = request.request.Failure();
    ShowOutcome(request, kRead, failure.code, failure.text);
}

void ReportWrite(VkSNMPRequest2Controls& request, const VkWriteResult& result) {
    ShowOutcome(request, kWrite, result.ok ? VK_OK : result.code, result.text);
}
