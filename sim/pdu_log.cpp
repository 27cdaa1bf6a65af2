#include "sim/pdu_log.h"

#include "sim/agent_session.h"
#include "sim/line_tokens.h"
#include "sim/varbind_value.h"

namespace sim {

namespace {

PduLog* g_log = nullptr;

constexpr size_t kMaxLines = 100000;

const char* TypeName(int command) {
    switch (command) {
    case SNMP_MSG_GET: return "GET";
    case SNMP_MSG_GETNEXT: return "GETNEXT";
    case SNMP_MSG_GETBULK: return "GETBULK";
    case SNMP_MSG_SET: return "SET";
    case SNMP_MSG_INFORM: return "INFORM";
    case SNMP_MSG_TRAP2: return "TRAP2";
    case SNMP_MSG_REPORT: return "REPORT";
    default: return "OTHER";
    }
}

const char* VersionName(long version) {
    switch (version) {
    case SNMP_VERSION_1: return "v1";
    case SNMP_VERSION_2c: return "v2c";
    case SNMP_VERSION_3: return "v3";
    default: return "v?";
    }
}

std::string FormatBinding(const netsnmp_variable_list* vb) {
    std::string text = FormatOid(OidOf(vb->name, vb->name_length));
    Value value;
    if (FromVarbind(vb, value))
        text += std::string("=") + SyntaxName(value.syntax) + ":" + QuoteToken(FormatValue(value));
    return text;
}

}  // namespace

PduLog::~PduLog() {
    if (session_ != nullptr) session_->callback = original_;
    if (g_log == this) g_log = nullptr;
}

bool PduLog::Install() {
    session_ = AgentSession();
    if (session_ == nullptr || g_log != nullptr) return false;
    g_log = this;
    original_ = session_->callback;
    session_->callback = &PduLog::Receive;
    return true;
}

std::string PduLog::Format(const netsnmp_pdu* pdu) {
    std::string line = std::string(TypeName(pdu->command)) + " " + VersionName(pdu->version) +
                       " " + std::to_string(pdu->reqid);
    for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
        line += " " + FormatBinding(vb);
    return line;
}

int PduLog::Receive(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu,
                    void* magic) {
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu != nullptr) {
        g_log->lines_.push_back(Format(pdu));
        if (g_log->lines_.size() > kMaxLines) g_log->lines_.pop_front();
    }
    return g_log->original_(operation, session, requestId, pdu, magic);
}

}  // namespace sim
