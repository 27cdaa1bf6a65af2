#pragma once
// The process's SNMP session and the settings every new request copies: the
// agent (address, port), the SNMPv3 context, the version with communities and
// SNMPv3 user, and the time-out. CreateGlobalSNMPSession sets them up once at
// start-up and starts the pump: a 20 ms timer (and read readiness of every
// session socket) that reads answers, fires time-outs and retries and runs the
// asynchronous completions, on the GUI thread. The pump is off while it runs,
// so a message loop inside a completion never enters it again.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class SocketNotifier;
class Timer;
}  // namespace ui

struct VkSNMPDevice {
    std::string address;
    uint16_t port = 0;
};

struct VkSNMPScope {
    std::string contextEngineID;
    std::string contextName;
};

struct VkSNMPSecurity {
    uint8_t version = 0;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string readCommunity;
    std::string writeCommunity;
    int32_t securityModel = 0;
    int32_t securityLevel = 0;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    int32_t authProtocol = 0;  // 1 none, 2 HMAC-MD5, 3 HMAC-SHA
    int32_t privProtocol = 0;  // 1 none, 2 DES
};

// The engine behind the session; only its address matters to callers.
struct VkSNMPEngine;

// Set once CreateGlobalSNMPSession has made the session; null before.
extern VkSNMPEngine* GlobalSNMPSession;
extern VkSNMPDevice GlobalSNMPDevice;
extern VkSNMPScope GlobalSNMPScope;
extern VkSNMPSecurity GlobalSNMPSecurity;
// Hundredths of a second; every new request starts with it.
extern int32_t GlobalSNMPTimeout;

// The local SNMPv3 engine ID and the name of its boots counter file.
extern const char* const kLocalEngineId;      // "VkSNMP_PP_Application"
extern const char* const kBootCounterFileName;  // "VkSNMP_PP_BootCounter"

class _SnmpEventProcessor {
public:
    _SnmpEventProcessor();  // stopped, interval 20 ms
    ~_SnmpEventProcessor();
    _SnmpEventProcessor(const _SnmpEventProcessor&) = delete;
    _SnmpEventProcessor& operator=(const _SnmpEventProcessor&) = delete;

    void Start();
    void Stop();
    bool Running() const { return running_; }
    // Whether the 20 ms timer runs: only while something waits for the pump.
    bool TimerRunning() const;

    // One pass of the pump, as the timer runs it.
    void Pump();

private:
    void SetTriggersEnabled(bool enabled);
    void FollowSessions();
    void WorkQueued();

    std::unique_ptr<ui::Timer> timer_;
    std::map<int, std::unique_ptr<ui::SocketNotifier>> notifiers_;
    // Notifiers of closed sessions, deleted at the next pass (one of them may
    // be the sender whose handler is running).
    std::vector<std::unique_ptr<ui::SocketNotifier>> retired_;
    bool running_ = false;
    bool pumping_ = false;
};

// Made by InitSNMPGlobals, destroyed by FreeSNMPGlobals.
extern std::unique_ptr<_SnmpEventProcessor> GlobalEventProcessor;

// Makes GlobalEventProcessor (the window layer's application object must
// exist); nothing when it exists already. CreateGlobalSNMPSession calls it.
void InitSNMPGlobals();
// Stops and destroys GlobalEventProcessor (before the application object goes).
void FreeSNMPGlobals();

// Creates the session, counts the engine boot in bootCounterDir's
// "VkSNMP_PP_BootCounter", sets the local engine, the defaults (127.0.0.1:161,
// SNMPv1, "quorny"/"vambril", model/level/protocols 1, time-out 100) and
// starts the pump. Raises -506 (no session), -507 (counter file unreadable)
// or -508 (counter file not written); nothing after the failing step runs.
void CreateGlobalSNMPSession(const std::string& bootCounterDir);
