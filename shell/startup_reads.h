#pragma once
// The main window's reads at start-up, made in their order until the device
// proves silent: once a read got no answer at all (a time-out), the reads
// after it are not sent and count as unread, so that a device that does not
// answer (wrong address, port, community or SNMPv3 privacy password) keeps
// the window waiting for one time-out only, not for every read's in turn.
//
//   StartupReads reads;
//   reads.Start(*LanAddressRequest);        // asynchronous
//   bool ok = reads.Read(*ApModeRequest);   // synchronous
//   if (reads.Silent()) show reads.SilenceText();

#include <string>

class VkSNMPRequest2Controls;

class StartupReads {
public:
    // Reads synchronously unless the device fell silent before; true when
    // every value came. A time-out makes the device silent.
    bool Read(VkSNMPRequest2Controls& request);
    // Starts an asynchronous read unless the device fell silent before.
    void Start(VkSNMPRequest2Controls& request);

    bool Silent() const { return silent_; }
    // The time-out's message, for the status line; empty while not silent.
    const std::string& SilenceText() const { return silenceText_; }

private:
    bool silent_ = false;
    std::string silenceText_;
};
