#pragma once
// The packets of the TFTP protocol (RFC 1350): every number is 16 bits, most
// significant byte first.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tftp {

enum Opcode : uint16_t { kReadRequest = 1, kWriteRequest = 2, kData = 3, kAck = 4, kError = 5 };

// Data bytes of a full block; a shorter block ends a transfer.
constexpr size_t kBlockSize = 512;
// Opcode and block number in front of the data of a DATA packet.
constexpr size_t kDataHeaderSize = 4;

// The 16-bit number at offset; 0 when the packet is too short to hold it.
uint16_t NumberAt(const std::string& packet, size_t offset);

std::string DataPacket(uint16_t block, const char* data, size_t count);
std::string AckPacket(uint16_t block);
// Opcode, error code, message and its terminating zero.
std::string ErrorPacket(uint16_t code, const std::string& message = std::string());

struct Request {
    uint16_t opcode = 0;
    std::string fileName;
    std::string mode;
};

// Reads a read or write request: the file name is the zero-terminated text
// from byte 2, the mode the next one; a text without its zero ends with the
// datagram and a missing mode is empty. Anything after the mode (RFC 2347
// options) is ignored. False for a datagram shorter than 4 bytes or with
// another opcode.
bool ParseRequest(const std::string& datagram, Request& request);

}  // namespace tftp
