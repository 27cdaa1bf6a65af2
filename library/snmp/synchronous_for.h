#pragma once
// A control-bound request made synchronous for a while: its async flag is
// cleared while the guard lives and put back on every way out.
//
//   {
//       SynchronousFor synchronous(*ListRequest);
//       ListRequest->Get();   // the list is read before Get returns
//   }

#include "library/snmp/request_to_controls.h"

class SynchronousFor {
public:
    explicit SynchronousFor(VkSNMPRequest2Controls& group) : group_(group), wasAsync_(group.async) {
        group_.async = false;
    }
    ~SynchronousFor() { group_.async = wasAsync_; }
    SynchronousFor(const SynchronousFor&) = delete;
    SynchronousFor& operator=(const SynchronousFor&) = delete;

private:
    VkSNMPRequest2Controls& group_;
    bool wasAsync_;
};
