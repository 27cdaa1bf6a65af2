#include "shell/generic/synchronous_write.h"

#include "library/snmp/request_to_edits.h"

SynchronousWrite::SynchronousWrite(VkSNMPRequest2Edits& request) : request_(request), wasAsync_(request.async) {
    request_.async = false;
}

SynchronousWrite::~SynchronousWrite() {
    Unmark();
    request_.async = wasAsync_;
}

void SynchronousWrite::LeaveOut(int i) {
    int32_t& access = request_.request.vars.Item(i)->access;
    if ((access & VkSNMPAccess::invalid) != 0) return;
    access |= VkSNMPAccess::invalid;
    marked_.push_back(i);
}

void SynchronousWrite::Unmark() {
    for (int i : marked_) request_.request.vars.Item(i)->access &= ~VkSNMPAccess::invalid;
    marked_.clear();
}
