#include "sim/simulator.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/select.h>
#include <utility>

#include "sim/agent.h"
#include "sim/answer_hold.h"
#include "sim/control_channel.h"
#include "sim/control_commands.h"
#include "sim/device.h"
#include "sim/liveness.h"
#include "sim/netsnmp.h"
#include "sim/object_file.h"
#include "sim/object_handler.h"
#include "sim/pdu_log.h"
#include "sim/set_error_plan.h"
#include "sim/tftp_client.h"
#include "sim/traffic_gate.h"

namespace sim {

namespace {

constexpr int kLongestWaitMs = 200;

volatile std::sig_atomic_t g_stopRequested = 0;

}  // namespace

void RequestStop() { g_stopRequested = 1; }

struct Simulator::Parts {
    Parts(DeviceOptions deviceOptions, int restartMs)
        : device(store, std::move(deviceOptions)), liveness(gate, device, restartMs) {}

    ObjectStore store;
    Device device;
    SetErrorPlan errors;
    TrafficGate gate;
    AnswerHold answers;
    PduLog log;
    Liveness liveness;
    ControlChannel control;
};

Simulator::Simulator(Options options) : options_(std::move(options)) {}

Simulator::~Simulator() {
    parts_.reset();  // the gate and log restore the agent's hooks first
    if (agentStarted_) StopAgent();
    TftpGlobalCleanup();
    if (ownsStateFolder_) {
        std::error_code ignored;
        std::filesystem::remove_all(options_.stateFolder, ignored);
    }
}

bool Simulator::PrepareStateFolder(std::string& error) {
    if (options_.stateFolder.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vap7720-sim.XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            error = "cannot create a temporary folder";
            return false;
        }
        options_.stateFolder = pattern;
        ownsStateFolder_ = true;
    }
    std::error_code failed;
    std::filesystem::create_directories(options_.stateFolder + "/snmp", failed);
    std::filesystem::create_directories(options_.stateFolder + "/files", failed);
    if (failed) error = "cannot create folders in " + options_.stateFolder;
    return !failed;
}

bool Simulator::Start(std::string& error) {
    if (!PrepareStateFolder(error)) return false;
    TftpGlobalInit();
    DeviceOptions deviceOptions{options_.stateFolder + "/files", options_.tftpPort,
                                options_.tftpConnectTimeoutMs, options_.scanDelayMs, options_.maskSecrets};
    parts_ = std::make_unique<Parts>(deviceOptions, options_.restartMs);
    if (!LoadObjectFolder(options_.objectFolder, parts_->store, error)) return false;
    for (const std::string& fixture : options_.fixtures)
        if (!LoadObjectFile(fixture, parts_->store, error)) return false;
    parts_->device.ActivateSettings();  // the loaded values are the device's settings
    parts_->device.ScanAll();           // and the access points it has seen

    options_.agent.persistentFolder = options_.stateFolder + "/snmp";
    if (!PrepareAgent(options_.agent, error)) return false;
    agentStarted_ = true;
    if (!RegisterObjectHandler(parts_->device, parts_->errors)) {
        error = "the object handler could not be registered";
        return false;
    }
    if (!OpenAgent(options_.agent, error)) return false;
    Device& device = parts_->device;
    SetErrorPlan& errors = parts_->errors;
    auto holdFor = [&device, &errors] {
        if (errors.TakeAnswerLost()) return AnswerHold::kNever;
        if (device.RestartRequested() && errors.TakeQuietRestart()) return AnswerHold::kNever;
        return device.TakeScanHold();
    };
    if (!parts_->gate.Install() || !parts_->log.Install() || !parts_->answers.Install(holdFor)) {
        error = "cannot reach the agent's session";
        return false;
    }
    return options_.controlPath.empty() || parts_->control.Open(options_.controlPath, error);
}

void Simulator::Run() {
    while (!quit_ && !g_stopRequested) ServeOnce();
}

int Simulator::WaitMilliseconds(int block, const timeval& libraryTimeout) const {
    int64_t wait = kLongestWaitMs;
    if (!block) wait = std::min<int64_t>(wait, libraryTimeout.tv_sec * 1000 + libraryTimeout.tv_usec / 1000);
    for (int64_t next : {parts_->gate.MillisecondsToNextRelease(), parts_->answers.MillisecondsToNextRelease(),
                         parts_->liveness.MillisecondsToNextEvent()})
        if (next >= 0) wait = std::min(wait, next);
    return static_cast<int>(std::max<int64_t>(wait, 0));
}

void Simulator::ServeOnce() {
    fd_set fds;
    FD_ZERO(&fds);
    int count = 0, block = 1;
    timeval libraryTimeout{0, 0};
    snmp_select_info(&count, &fds, &libraryTimeout, &block);
    parts_->control.AddTo(fds, count);
    int wait = WaitMilliseconds(block, libraryTimeout);
    timeval timeout{wait / 1000, (wait % 1000) * 1000};
    int ready = select(count, &fds, nullptr, nullptr, &timeout);
    if (ready < 0 && errno == EINTR) return;
    if (ready > 0) {
        snmp_read(&fds);
        ControlTargets targets{parts_->device, parts_->gate, parts_->liveness, parts_->log,
                               parts_->errors, quit_};
        parts_->control.Process(fds, [&](const std::string& line) {
            return RunControlCommand(line, targets);
        });
    } else {
        snmp_timeout();
    }
    parts_->gate.ReleaseDue();
    parts_->answers.ReleaseDue();
    AfterAnswers();
    run_alarms();
    netsnmp_check_outstanding_agent_requests();
}

// The answers of this round are out: now a restart may take the device down.
void Simulator::AfterAnswers() {
    parts_->device.Poll();
    if (parts_->device.TakeApplyRequest() && options_.applyDownMs > 0)
        parts_->liveness.Pause(options_.applyDownMs);
    if (parts_->device.TakeRestartRequest()) parts_->liveness.Restart();
    parts_->liveness.Poll();
}

}  // namespace sim
