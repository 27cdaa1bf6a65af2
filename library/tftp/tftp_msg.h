#pragma once
// The status record of a transfer, and the callback that receives it. The
// server fills one record from each request and every session keeps its own
// copy, which it hands to the callback on every change of state.

#include <cstdint>
#include <functional>
#include <string>

#include "library/tftp/tftp_status.h"

struct VkTFTPMsg {
    int status = TFTP_ERR_NOT_READY;
    std::string statusText = VkTFTPStatusText(TFTP_ERR_NOT_READY);
    int opcode = 1;                  // 1 the device reads from us, 2 it writes to us
    std::string mode = "octet";      // as the request named it; files move byte for byte
    std::string clientIP = "0.0.0.0";
    std::string serverIP = "127.0.0.1";
    int serverPort = 69;
    std::string spare;
    std::string fileName;            // as the request gave it
    int64_t bytesTransferred = 0;    // read from the file (read) or written to it (write)
    int lastBlockBytes = -1;         // data bytes of the last block; -1 before the first
    int clientPort = 0;
    int requestSerial = -1;          // number of the request since the server was made, from 0
    int spare2 = 0;
    int timeout = 1000;              // one wait for the device, in units of 10 ms
    int sendCount = 0;               // sends of the current DATA block (read requests)
};

// Called with the session's record and its cancel flag; both are valid only
// during the call. Setting the flag ends the transfer with TFTP_ERR_CANCELED.
using VkTFTPStatusEvent = std::function<void(VkTFTPMsg* msg, bool* cancel)>;
