#pragma once
// Starting an asynchronous write of a group so that it always ends in the
// group's OnSetDone: a write that could not be sent at all (the request
// layer refused it, or raised while preparing it) ends there too, as a
// failed answer with the reason, so a page's completion handler is the one
// place that reports the result and releases what the write held.
//
//   ArpEntryRequest->OnSetDone = [this](auto*, VkSNMPError* result) { ArpEntrySetDone(result); };
//   StartWrite(*ArpEntryRequest, true);

#include <vector>

class VkSNMPRequest2Controls;

// Collects the values from the controls and sends them; refreshAfterSet as
// for VkSNMPRequest2Controls::Set (a walked table is read again after a
// successful write).
void StartWrite(VkSNMPRequest2Controls& group, bool refreshAfterSet);

// As StartWrite, sending only the listed rows of the group (an action group
// writes its fields with their action this way); once it is sent, every row
// has the access it had before, so what later reads fetch is unchanged.
void StartWriteRows(VkSNMPRequest2Controls& group, const std::vector<int>& rows, bool refreshAfterSet);
