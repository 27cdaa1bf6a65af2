#include "library/snmp/global_session.h"

#include "library/common/messages.h"
#include "library/common/path.h"
#include "library/snmp/boot_counter.h"
#include "library/snmp/netsnmp_engine.h"
#include "platform/ui/socket_notifier.h"
#include "platform/ui/timer.h"

struct VkSNMPEngine {};

namespace {

VkSNMPEngine theEngine;
constexpr int kPumpIntervalMs = 20;

void SetDefaults() {
    GlobalSNMPDevice.address = "127.0.0.1";
    GlobalSNMPDevice.port = 161;
    GlobalSNMPScope = VkSNMPScope();
    VkSNMPSecurity security;
    security.version = 0;
    security.readCommunity = "quorny";
    security.writeCommunity = "vambril";
    security.securityModel = 1;
    security.securityLevel = 1;
    security.authProtocol = 1;
    security.privProtocol = 1;
    GlobalSNMPSecurity = security;
    GlobalSNMPTimeout = 100;
}

uint32_t CountEngineBoot(const std::string& bootCounterDir) {
    std::string path = JoinPath(bootCounterDir, kBootCounterFileName);
    uint32_t boots = 0;
    int found = GetBootCounter(path, kLocalEngineId, boots);
    if (found < -2) RaiseError(VK_ERR_LOAD_BOOTS);
    if (found != 0) boots = 0;
    if (SaveBootCounter(path, kLocalEngineId, boots + 1) != 0) RaiseError(VK_ERR_SAVE_BOOTS);
    return boots + 1;
}

}  // namespace

VkSNMPEngine* GlobalSNMPSession = nullptr;
VkSNMPDevice GlobalSNMPDevice;
VkSNMPScope GlobalSNMPScope;
VkSNMPSecurity GlobalSNMPSecurity;
int32_t GlobalSNMPTimeout = 0;
std::unique_ptr<_SnmpEventProcessor> GlobalEventProcessor;

const char* const kLocalEngineId = "VkSNMP_PP_Application";
const char* const kBootCounterFileName = "VkSNMP_PP_BootCounter";

_SnmpEventProcessor::_SnmpEventProcessor() : timer_(std::make_unique<ui::Timer>(nullptr)) {
    timer_->SetEnabled(false);
    timer_->SetInterval(kPumpIntervalMs);
    timer_->OnTimer = [this](ui::Component*) { Pump(); };
    snmpengine::SetSessionsChangedHandler([this] { FollowSessions(); });
    snmpengine::SetWorkQueuedHandler([this] { WorkQueued(); });
}

_SnmpEventProcessor::~_SnmpEventProcessor() {
    snmpengine::SetSessionsChangedHandler(nullptr);
    snmpengine::SetWorkQueuedHandler(nullptr);
    running_ = false;
    timer_->SetEnabled(false);
}

void _SnmpEventProcessor::Start() {
    running_ = true;
    FollowSessions();  // sessions opened before the pump existed
    if (!pumping_) SetTriggersEnabled(true);
}

void _SnmpEventProcessor::Stop() {
    running_ = false;
    SetTriggersEnabled(false);
}

void _SnmpEventProcessor::Pump() {
    if (pumping_) return;
    pumping_ = true;
    retired_.clear();
    SetTriggersEnabled(false);
    struct Resume {
        _SnmpEventProcessor& processor;
        ~Resume() {
            processor.pumping_ = false;
            processor.SetTriggersEnabled(processor.running_);
        }
    } resume{*this};
    if (GlobalSNMPSession != nullptr) snmpengine::ProcessPendingEvents();
}

// The timer only runs while something waits for the pump (time-outs,
// resends, completions to run): an idle module does not wake up every 20 ms.
// The socket notifiers cost nothing while no datagram arrives.
void _SnmpEventProcessor::SetTriggersEnabled(bool enabled) {
    timer_->SetEnabled(enabled && snmpengine::HasPendingWork());
    for (auto& entry : notifiers_) entry.second->SetEnabled(enabled);
}

bool _SnmpEventProcessor::TimerRunning() const { return timer_->Enabled(); }

// A send was recorded: start the timer unless it runs, or the pump is off or
// running (it re-arms itself when it returns).
void _SnmpEventProcessor::WorkQueued() {
    if (running_ && !pumping_ && !timer_->Enabled()) timer_->SetEnabled(true);
}

// One read notifier per session socket, so that an answer is taken as soon as
// it arrives instead of at the next timer tick.
void _SnmpEventProcessor::FollowSessions() {
    std::map<int, std::unique_ptr<ui::SocketNotifier>> kept;
    for (int descriptor : snmpengine::SessionDescriptors()) {
        auto found = notifiers_.find(descriptor);
        if (found != notifiers_.end()) {
            kept[descriptor] = std::move(found->second);
            continue;
        }
        auto notifier = std::make_unique<ui::SocketNotifier>(nullptr, descriptor);
        notifier->OnReadable = [this](ui::Component*) { Pump(); };
        notifier->SetEnabled(running_ && !pumping_);
        kept[descriptor] = std::move(notifier);
    }
    for (auto& entry : notifiers_) {
        if (!entry.second) continue;
        entry.second->SetEnabled(false);
        retired_.push_back(std::move(entry.second));
    }
    notifiers_ = std::move(kept);
}

void InitSNMPGlobals() {
    if (!GlobalEventProcessor) GlobalEventProcessor = std::make_unique<_SnmpEventProcessor>();
}

void FreeSNMPGlobals() { GlobalEventProcessor.reset(); }

void CreateGlobalSNMPSession(const std::string& bootCounterDir) {
    InitSNMPGlobals();
    bool created = snmpengine::Initialise();
    GlobalSNMPSession = &theEngine;
    if (!created) RaiseError(VK_ERR_SESSION);
    uint32_t boots = CountEngineBoot(bootCounterDir);
    snmpengine::SetLocalEngine(kLocalEngineId, boots);
    SetDefaults();
    GlobalEventProcessor->Start();
}
