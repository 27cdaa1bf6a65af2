#include "library/tftp/tftp_packet.h"

namespace tftp {

namespace {

void AppendNumber(std::string& packet, uint16_t number) {
    packet.push_back(static_cast<char>(number >> 8));
    packet.push_back(static_cast<char>(number & 0xFF));
}

std::string Header(Opcode opcode, uint16_t number) {
    std::string packet;
    AppendNumber(packet, opcode);
    AppendNumber(packet, number);
    return packet;
}

// The text from offset up to the next zero byte or the end; offset moves past
// the zero.
std::string ZeroTerminatedText(const std::string& datagram, size_t& offset) {
    size_t end = datagram.find('\0', offset);
    if (end == std::string::npos) end = datagram.size();
    std::string text = offset < end ? datagram.substr(offset, end - offset) : std::string();
    offset = end + 1;
    return text;
}

}  // namespace

uint16_t NumberAt(const std::string& packet, size_t offset) {
    if (packet.size() < offset + 2) return 0;
    auto high = static_cast<unsigned char>(packet[offset]);
    auto low = static_cast<unsigned char>(packet[offset + 1]);
    return static_cast<uint16_t>(high << 8 | low);
}

std::string DataPacket(uint16_t block, const char* data, size_t count) {
    std::string packet = Header(kData, block);
    packet.append(data, count);
    return packet;
}

std::string AckPacket(uint16_t block) { return Header(kAck, block); }

std::string ErrorPacket(uint16_t code, const std::string& message) {
    std::string packet = Header(kError, code);
    packet += message;
    packet.push_back('\0');
    return packet;
}

bool ParseRequest(const std::string& datagram, Request& request) {
    if (datagram.size() < 4) return false;
    uint16_t opcode = NumberAt(datagram, 0);
    if (opcode != kReadRequest && opcode != kWriteRequest) return false;
    size_t offset = 2;
    request.opcode = opcode;
    request.fileName = ZeroTerminatedText(datagram, offset);
    request.mode = ZeroTerminatedText(datagram, offset);
    return true;
}

}  // namespace tftp
