#include "library/snmp/netsnmp_engine.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <memory>

#include "library/snmp/netsnmp_status.h"
#include "library/snmp/netsnmp_usm_user.h"
#include "library/snmp/netsnmp_var_bind.h"
#include "platform/os/clock.h"

namespace {

// An asynchronous send held until its session knows the agent's engine ID.
struct WaitingSend {
    VkSnmpPduContent pdu;
    int timeout;
    uint64_t id;
};

struct Session {
    void* handle = nullptr;
    VkSnmpTarget target;
    bool discovered = true;  // SNMPv3: the agent's engine ID is known
    bool probing = false;    // SNMPv3: an asynchronous discovery is under way
    std::vector<WaitingSend> waiting;
};

// Our record of one asynchronous send (or discovery probe). net-snmp gets its
// number as callback data, so a callback for a record already dispatched
// finds nothing and is ignored.
struct Pending {
    VkSnmpCompletion done;
    bool probe = false;
    std::string sessionKey;  // probes: the session being discovered
    bool finished = false;
    VkSnmpOutcome outcome;
};

struct EngineState {
    bool initialised = false;
    bool usable = false;
    std::map<std::string, std::unique_ptr<Session>> sessions;
    std::map<uint64_t, Pending> pending;
    std::deque<uint64_t> finished;
    uint64_t nextId = 1;
    std::function<void()> sessionsChanged;
    std::function<void()> workQueued;
    snmpengine::ExchangeTally tally;
};

// Lives for the whole process, like net-snmp's own state (reachable, so never
// reported as a leak).
EngineState& State() {
    static EngineState* state = new EngineState;
    return *state;
}

void* IdToPointer(uint64_t id) { return reinterpret_cast<void*>(static_cast<uintptr_t>(id)); }
uint64_t PointerToId(void* pointer) { return reinterpret_cast<uintptr_t>(pointer); }

int NetsnmpVersion(int version) {
    if (version == 0) return SNMP_VERSION_1;
    if (version == 1) return SNMP_VERSION_2c;
    if (version == 3) return SNMP_VERSION_3;
    return -1;
}

long TimeoutMicroseconds(int hundredths) {
    int milliseconds = hundredths <= 0 ? 1 : (hundredths > INT_MAX / 10 ? INT_MAX : hundredths * 10);
    int scaled = os::Scaled(milliseconds);
    return static_cast<long>(scaled < 1 ? 1 : scaled) * 1000L;
}

void SetTimeout(Session& session, int hundredths) {
    snmp_sess_session(session.handle)->timeout = TimeoutMicroseconds(hundredths);
}

int SessionError(void* handle, int version) {
    return StatusFromNetsnmpError(snmp_sess_session(handle)->s_snmp_errno, NetsnmpVersion(version));
}

void NotifySessionsChanged() {
    if (State().sessionsChanged) State().sessionsChanged();
}

// ---- records ---------------------------------------------------------------

uint64_t NewRecord(Pending record) {
    uint64_t id = State().nextId++;
    State().pending.emplace(id, std::move(record));
    if (State().workQueued) State().workQueued();
    return id;
}

void MarkFinished(uint64_t id, Pending& record) {
    record.finished = true;
    State().finished.push_back(id);
}

void FinishWith(uint64_t id, int status) {
    auto found = State().pending.find(id);
    if (found == State().pending.end() || found->second.finished) return;
    found->second.outcome.status = status;
    MarkFinished(id, found->second);
}

bool IsFinished(uint64_t id) {
    auto found = State().pending.find(id);
    return found == State().pending.end() || found->second.finished;
}

// ---- PDUs ------------------------------------------------------------------

int CommandOf(VkSnmpOperation operation) {
    switch (operation) {
    case VkSnmpOperation::getNext: return SNMP_MSG_GETNEXT;
    case VkSnmpOperation::set: return SNMP_MSG_SET;
    case VkSnmpOperation::get: break;
    }
    return SNMP_MSG_GET;
}

u_char* CopyOctets(const std::string& text) {
    auto* copy = static_cast<u_char*>(malloc(text.size() + 1));
    if (copy != nullptr) memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

// The PDU of one send; null (with a status) when a binding cannot be sent.
netsnmp_pdu* BuildPdu(const Session& session, const VkSnmpPduContent& content, int& status) {
    netsnmp_pdu* pdu = snmp_pdu_create(CommandOf(content.operation));
    if (session.target.version == 3) {
        pdu->securityLevel = content.securityLevel;
        if (!content.contextName.empty()) {
            pdu->contextName = reinterpret_cast<char*>(CopyOctets(content.contextName));
            pdu->contextNameLen = content.contextName.size();
        }
        if (!content.contextEngineID.empty()) {
            pdu->contextEngineID = CopyOctets(content.contextEngineID);
            pdu->contextEngineIDLen = content.contextEngineID.size();
        }
    } else {
        const std::string& community = content.operation == VkSnmpOperation::set
                                           ? session.target.writeCommunity
                                           : session.target.readCommunity;
        pdu->community = CopyOctets(community);
        pdu->community_len = community.size();
    }
    for (const VkSNMPVarBind& binding : content.bindings) {
        if (!AppendVarBindToNetsnmp(&pdu->variables, binding)) {
            snmp_free_pdu(pdu);
            status = binding.oid.empty() ? -17 : -11;
            return nullptr;
        }
    }
    return pdu;
}

// A response or report as an outcome. A report is never a success.
void ReadResponse(const netsnmp_pdu& pdu, VkSnmpOutcome& outcome) {
    if (pdu.command == SNMP_MSG_REPORT) {
        VkOid counter;
        if (pdu.variables != nullptr) counter = VarBindFromNetsnmp(*pdu.variables).oid;
        outcome.status = StatusFromReport(counter);
        return;
    }
    outcome.status = static_cast<int>(pdu.errstat);
    outcome.errorIndex = static_cast<int>(pdu.errindex);
    outcome.answered = true;
    for (const netsnmp_variable_list* v = pdu.variables; v != nullptr; v = v->next_variable)
        outcome.bindings.push_back(VarBindFromNetsnmp(*v));
}

// A failure that net-snmp reports as a security error: never a success.
int SecurityErrorStatus(const netsnmp_session* session) {
    int status = session == nullptr ? kUnmappedStatus
                                    : StatusFromNetsnmpError(session->s_snmp_errno, session->version);
    return status == kUnmappedStatus || status == 0 ? kStatusV3UsmError : status;
}

// A send that failed: the session's reason, else a transport failure.
int SendFailureStatus(const netsnmp_session* session) {
    int status = session == nullptr ? kUnmappedStatus
                                    : StatusFromNetsnmpError(session->s_snmp_errno, session->version);
    return status == kUnmappedStatus || status == 0 ? kStatusTransportFailed : status;
}

// net-snmp's callback for every asynchronous send: records the first outcome
// and nothing else (no code of the program runs inside net-snmp).
int RecordOutcome(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic) {
    uint64_t id = PointerToId(magic);
    auto found = State().pending.find(id);
    if (found == State().pending.end() || found->second.finished) return 1;
    VkSnmpOutcome& outcome = found->second.outcome;
    switch (operation) {
    case NETSNMP_CALLBACK_OP_RESEND: return 1;
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (pdu != nullptr) ReadResponse(*pdu, outcome);
        else outcome.status = kUnmappedStatus;
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT: outcome.status = kStatusTimeout; break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED: outcome.status = SendFailureStatus(session); break;
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        if (pdu != nullptr && pdu->command == SNMP_MSG_REPORT) ReadResponse(*pdu, outcome);
        else outcome.status = SecurityErrorStatus(session);
        break;
    default: outcome.status = -1; break;
    }
    MarkFinished(id, found->second);
    return 1;
}

// ---- SNMPv3 users and discovery ---------------------------------------------

// The PDU net-snmp's own engine-ID probe sends: an empty noAuthNoPriv GET,
// answered by a report that carries the agent's engine ID.
netsnmp_pdu* MakeProbe() {
    netsnmp_pdu* probe = snmp_pdu_create(SNMP_MSG_GET);
    probe->version = SNMP_VERSION_3;
    probe->securityName = strdup("");
    probe->securityNameLen = 0;
    probe->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    probe->securityModel = SNMP_SEC_MODEL_USM;
    return probe;
}

// ---- sessions ------------------------------------------------------------

void SendNow(Session& session, const VkSnmpPduContent& content, int timeout, uint64_t id);

void DropSession(const std::string& key, int status) {
    auto found = State().sessions.find(key);
    if (found == State().sessions.end()) return;
    std::unique_ptr<Session> session = std::move(found->second);
    State().sessions.erase(found);
    for (const WaitingSend& waiting : session->waiting) FinishWith(waiting.id, status);
    NotifySessionsChanged();
    snmp_sess_close(session->handle);
}

Session* OpenSession(const VkSnmpTarget& target, int& status) {
    int version = NetsnmpVersion(target.version);
    if (version < 0) return status = -12, nullptr;
    if (version == SNMP_VERSION_3 && (target.authProtocol < 1 || target.authProtocol > 3))
        return status = 1412, nullptr;
    if (version == SNMP_VERSION_3 && (target.privProtocol < 1 || target.privProtocol > 2))
        return status = 1413, nullptr;
    netsnmp_session s;
    snmp_sess_init(&s);
    std::string peer = "udp:" + target.address + ":" + std::to_string(target.port);
    s.peername = const_cast<char*>(peer.c_str());
    s.version = version;
    s.retries = target.retries < 0 ? 0 : target.retries;
    s.timeout = TimeoutMicroseconds(target.timeout);
    if (version == SNMP_VERSION_3) FillUsmUser(s, target);
    void* handle = snmp_sess_open(&s);
    if (handle == nullptr) return status = StatusFromNetsnmpError(s.s_snmp_errno, version), nullptr;
    snmp_sess_session(handle)->flags |= SNMP_FLAGS_DONT_PROBE;  // discovery is ours
    auto session = std::make_unique<Session>();
    session->handle = handle;
    session->target = target;
    session->discovered = version != SNMP_VERSION_3;
    Session* opened = session.get();
    State().sessions[target.SessionKey()] = std::move(session);
    NotifySessionsChanged();
    return opened;
}

Session* SessionFor(const VkSnmpTarget& target, int& status) {
    auto found = State().sessions.find(target.SessionKey());
    if (found != State().sessions.end()) return found->second.get();
    if (!snmpengine::Initialise()) return status = -21, nullptr;
    return OpenSession(target, status);
}

// Blocking discovery for a synchronous exchange. On failure the session is
// dropped (a later request tries again) and status says why.
bool DiscoverNow(Session& session, int timeout, int& status) {
    SetTimeout(session, timeout);
    netsnmp_pdu* response = nullptr;
    int result = snmp_sess_synch_response(session.handle, MakeProbe(), &response);
    if (response != nullptr) snmp_free_pdu(response);
    if (EnsureUsmUser(session.handle, session.target)) {
        session.discovered = true;
        return true;
    }
    status = result == STAT_TIMEOUT ? kStatusTimeout : SessionError(session.handle, 3);
    if (status == 0 || status == kUnmappedStatus) status = kStatusV3UsmError;
    DropSession(session.target.SessionKey(), status);
    return false;
}

void StartDiscovery(Session& session, int timeout) {
    Pending record;
    record.probe = true;
    record.sessionKey = session.target.SessionKey();
    uint64_t id = NewRecord(std::move(record));
    session.probing = true;
    SetTimeout(session, timeout);
    netsnmp_pdu* probe = MakeProbe();
    if (snmp_sess_async_send(session.handle, probe, &RecordOutcome, IdToPointer(id)) == 0) {
        snmp_free_pdu(probe);
        FinishWith(id, SessionError(session.handle, 3));
    }
}

// The probe has ended: release the held sends, or fail them all.
void FinishProbe(const Pending& probe) {
    auto found = State().sessions.find(probe.sessionKey);
    if (found == State().sessions.end()) return;
    Session& session = *found->second;
    session.probing = false;
    if (!session.discovered && !EnsureUsmUser(session.handle, session.target)) {
        int status = probe.outcome.status;
        DropSession(probe.sessionKey, status == 0 ? kStatusV3UsmError : status);
        return;
    }
    session.discovered = true;
    std::vector<WaitingSend> waiting = std::move(session.waiting);
    session.waiting.clear();
    for (const WaitingSend& send : waiting) SendNow(session, send.pdu, send.timeout, send.id);
}

void SendNow(Session& session, const VkSnmpPduContent& content, int timeout, uint64_t id) {
    if (session.target.version == 3 && !EnsureUsmUser(session.handle, session.target)) {
        FinishWith(id, kStatusV3UsmError);
        return;
    }
    int status = 0;
    netsnmp_pdu* pdu = BuildPdu(session, content, status);
    if (pdu == nullptr) {
        FinishWith(id, status);
        return;
    }
    SetTimeout(session, timeout);
    if (snmp_sess_async_send(session.handle, pdu, &RecordOutcome, IdToPointer(id)) == 0) {
        snmp_free_pdu(pdu);
        // A refused send completes like a failed exchange (net-snmp may have
        // recorded the outcome itself already).
        if (!IsFinished(id)) FinishWith(id, SessionError(session.handle, session.target.version));
    }
}

bool Readable(int descriptor) {
    pollfd entry{descriptor, POLLIN, 0};
    return poll(&entry, 1, 0) > 0 && (entry.revents & POLLIN) != 0;
}

int DescriptorOf(void* handle) {
    netsnmp_transport* transport = snmp_sess_transport(handle);
    return transport == nullptr ? -1 : transport->sock;
}

// Reads what has arrived on one session and fires its due time-outs.
void ServiceSession(void* handle) {
    int descriptor = DescriptorOf(handle);
    for (int reads = 0; reads < 256 && descriptor >= 0 && Readable(descriptor); ++reads) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(descriptor, &ready);
        snmp_sess_read(handle, &ready);
    }
    snmp_sess_timeout(handle);
}

void RunFinished() {
    EngineState& state = State();
    while (!state.finished.empty()) {
        uint64_t id = state.finished.front();
        state.finished.pop_front();
        auto node = state.pending.extract(id);
        if (node.empty()) continue;
        Pending& record = node.mapped();
        if (record.probe) {
            FinishProbe(record);
            continue;
        }
        if (record.outcome.answered) ++state.tally.answered;
        if (record.done) record.done(record.outcome);
    }
}

int DiscardLogLine(int, int, void*, void*) { return 1; }

bool CanBindLocalPort() {
    int descriptor = socket(AF_INET, SOCK_DGRAM, 0);
    if (descriptor < 0) return false;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    bool ok = bind(descriptor, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0;
    close(descriptor);
    return ok;
}

std::string PrivateStateFolder() {
    const char* runtime = getenv("XDG_RUNTIME_DIR");
    std::string base = runtime != nullptr && *runtime != '\0' ? runtime : "/tmp";
    return base + "/vap7720-netsnmp-" + std::to_string(getuid());
}

// One blocking exchange, discovery first when the session needs it.
VkSnmpOutcome ExchangeOnce(const VkSnmpTarget& target, const VkSnmpPduContent& content) {
    VkSnmpOutcome outcome;
    int status = 0;
    Session* session = SessionFor(target, status);
    if (session == nullptr || (!session->discovered && !DiscoverNow(*session, target.timeout, status))) {
        outcome.status = status;
        return outcome;
    }
    if (target.version == 3 && !EnsureUsmUser(session->handle, session->target)) {
        outcome.status = kStatusV3UsmError;
        return outcome;
    }
    netsnmp_pdu* pdu = BuildPdu(*session, content, status);
    if (pdu == nullptr) {
        outcome.status = status;
        return outcome;
    }
    SetTimeout(*session, target.timeout);
    netsnmp_pdu* response = nullptr;
    int result = snmp_sess_synch_response(session->handle, pdu, &response);
    if (result == STAT_SUCCESS && response != nullptr) ReadResponse(*response, outcome);
    else if (result == STAT_TIMEOUT) outcome.status = kStatusTimeout;
    else outcome.status = SecurityErrorStatus(snmp_sess_session(session->handle));
    if (response != nullptr) snmp_free_pdu(response);
    return outcome;
}

}  // namespace

namespace snmpengine {

bool Initialise() {
    EngineState& state = State();
    if (state.initialised) return state.usable;
    state.initialised = true;
    // net-snmp logs to stderr unless a handler takes its lines.
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_CALLBACK, LOG_DEBUG);
    snmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_LOGGING, &DiscardLogLine, nullptr);
    setenv("MIBS", "", 1);  // load no MIB modules
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    // The TLS support still makes a folder below the persistent folder.
    std::string folder = PrivateStateFolder();
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, folder.c_str());
    init_snmp("vap7720-module");
    state.usable = CanBindLocalPort();
    return state.usable;
}

void SetLocalEngine(const std::string& engineId, uint32_t boots) {
    Initialise();
    set_exact_engineID(reinterpret_cast<const u_char*>(engineId.data()), engineId.size());
    // net-snmp takes the boots count only as its configuration line
    // "engineBoots <count of the last run>", which it raises by one.
    std::string lastRun = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", &lastRun[0]);
}

uint32_t LocalEngineBoots() { return static_cast<uint32_t>(snmpv3_local_snmpEngineBoots()); }

VkSnmpOutcome Exchange(const VkSnmpTarget& target, const VkSnmpPduContent& content) {
    ++State().tally.requested;
    VkSnmpOutcome outcome = ExchangeOnce(target, content);
    if (outcome.answered) ++State().tally.answered;
    return outcome;
}

void SendAsync(const VkSnmpTarget& target, const VkSnmpPduContent& content, VkSnmpCompletion done) {
    ++State().tally.requested;
    Pending record;
    record.done = std::move(done);
    uint64_t id = NewRecord(std::move(record));
    int status = 0;
    Session* session = SessionFor(target, status);
    if (session == nullptr) {
        FinishWith(id, status);
        return;
    }
    if (!session->discovered) {
        session->waiting.push_back({content, target.timeout, id});
        if (!session->probing) StartDiscovery(*session, target.timeout);
        return;
    }
    SendNow(*session, content, target.timeout, id);
}

void ProcessPendingEvents() {
    std::vector<void*> handles;
    for (const auto& entry : State().sessions) handles.push_back(entry.second->handle);
    for (void* handle : handles) ServiceSession(handle);
    RunFinished();
}

std::vector<int> SessionDescriptors() {
    std::vector<int> descriptors;
    for (const auto& entry : State().sessions) {
        int descriptor = DescriptorOf(entry.second->handle);
        if (descriptor >= 0) descriptors.push_back(descriptor);
    }
    return descriptors;
}

void SetSessionsChangedHandler(std::function<void()> handler) {
    State().sessionsChanged = std::move(handler);
}

bool HasPendingWork() { return !State().pending.empty(); }

void SetWorkQueuedHandler(std::function<void()> handler) {
    State().workQueued = std::move(handler);
}

ExchangeTally Tally() { return State().tally; }

int OutstandingCount() {
    int count = 0;
    for (const auto& entry : State().pending)
        if (!entry.second.probe) ++count;
    return count;
}

}  // namespace snmpengine
