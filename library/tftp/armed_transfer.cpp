#include "library/tftp/armed_transfer.h"

#include <utility>

#include "library/tftp/loop_access.h"
#include "library/tftp/tftp_packet.h"
#include "library/tftp/tftp_server.h"

namespace {

int OpcodeOf(VkTFTPDirection direction) {
    return direction == VkTFTPDirection::DeviceFetches ? tftp::kReadRequest : tftp::kWriteRequest;
}

}  // namespace

// Both timers tick once per start: each stops itself first.
VkArmedTransfer::VkArmedTransfer() : server(std::make_unique<VkTFTPServer>()) {
    startTimer = tftp::Loop().NewTimer([this] {
        startTimer->Stop();
        if (phase == Phase::Armed) End(VkTFTPTransferEnd::NotStarted, nullptr);
    });
    reportTimer = tftp::Loop().NewTimer([this] {
        reportTimer->Stop();
        Report();
    });
    // The server and its sessions outlive this object's own destructor (they
    // go with its members), so their calls check that it still lives.
    std::shared_ptr<bool> alive = alive_;
    server->SetAdmission(
        [this, alive](const VkTFTPMsg& request) { return *alive && Admit(request); });
    server->SetOnStatus([this, alive](VkTFTPMsg* msg, bool*) {
        if (*alive) FollowStatus(*msg);
    });
}

VkArmedTransfer::~VkArmedTransfer() {
    *alive_ = false;
    Disarm();
}

void VkArmedTransfer::SetTimeout(int timeout, int retries) { server->SetTimeout(timeout, retries); }

void VkArmedTransfer::Start(int port) { server->Start(std::string(), port); }

void VkArmedTransfer::Stop() {
    Disarm();
    server->Stop();
}

bool VkArmedTransfer::Listening() const { return server->Listening(); }

uint16_t VkArmedTransfer::ListeningPort() const { return server->ListeningPort(); }

void VkArmedTransfer::Arm(const VkTFTPArm& newArm, const VkTFTPTransferEndEvent& handler) {
    Disarm();
    arm = newArm;
    onEnd = handler;
    // Moves the root only; a server that is not listening gets no request,
    // and the transfer ends unstarted.
    if (server->Listening()) server->Start(arm.folder, server->msg.serverPort);
    phase = Phase::Armed;
    startTimer->Start(arm.startWaitMs > 0 ? arm.startWaitMs : 1);
}

void VkArmedTransfer::Disarm() {
    phase = Phase::Idle;
    startTimer->Stop();
    reportTimer->Stop();
    onEnd = nullptr;
}

bool VkArmedTransfer::Admit(const VkTFTPMsg& request) {
    if (phase != Phase::Armed || request.clientIP != arm.deviceAddress ||
        request.opcode != OpcodeOf(arm.direction) || request.fileName != arm.fileName)
        return false;
    phase = Phase::Running;
    startTimer->Stop();
    clientAddress = request.clientIP;
    clientPort = request.clientPort;
    return true;
}

bool VkArmedTransfer::IsTracked(const VkTFTPMsg& msg) const {
    return phase == Phase::Running && msg.clientIP == clientAddress &&
           msg.clientPort == clientPort && msg.fileName == arm.fileName &&
           msg.opcode == OpcodeOf(arm.direction);
}

void VkArmedTransfer::FollowStatus(const VkTFTPMsg& msg) {
    if (!IsTracked(msg)) return;
    if (msg.status == TFTP_SUCCESS) End(VkTFTPTransferEnd::Done, &msg);
    else if (msg.status < 0) End(VkTFTPTransferEnd::Failed, &msg);
    else if (msg.status == TFTP_DISCONNECTED) End(VkTFTPTransferEnd::Failed, &msg);
}

void VkArmedTransfer::End(VkTFTPTransferEnd::Kind kind, const VkTFTPMsg* msg) {
    phase = Phase::Ended;
    result = VkTFTPTransferEnd{};
    result.kind = kind;
    if (msg != nullptr) {
        result.status = msg->status;
        result.text = msg->statusText;
        result.bytes = msg->bytesTransferred;
    }
    reportTimer->Start(1);
}

void VkArmedTransfer::Report() {
    if (phase != Phase::Ended) return;
    VkTFTPTransferEndEvent handler = std::move(onEnd);
    VkTFTPTransferEnd ended = result;
    Disarm();
    if (handler) handler(ended);
}
