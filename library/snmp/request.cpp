#include "library/snmp/request.h"

#include "library/common/messages.h"
#include "library/snmp/global_session.h"
#include "library/snmp/num_list.h"
#include "platform/os/clock.h"
#include "platform/ui/application.h"

namespace {

const char* const kNotDone = "(NOTDONE)";
constexpr int kDestructorWaitMs = 6000;

// What a write changes on the list and puts back afterwards.
struct ItemState {
    int32_t access;
    std::string value;
    std::string instanceOid;
};

std::vector<ItemState> Snapshot(const VkSNMPVarList& vars) {
    std::vector<ItemState> states;
    for (int i = 0; i < vars.Count(); ++i) {
        const VkSNMPVarItem& item = *vars.Item(i);
        states.push_back({item.access, item.value, item.instanceOid});
    }
    return states;
}

void Restore(VkSNMPVarList& vars, const std::vector<ItemState>& states) {
    for (int i = 0; i < vars.Count() && i < static_cast<int>(states.size()); ++i) {
        VkSNMPVarItem& item = *vars.Item(i);
        item.access = states[i].access;
        item.value = states[i].value;
        item.instanceOid = states[i].instanceOid;
    }
}

VkOid ParseOrRaise(const std::string& text) {
    VkOid oid;
    if (!ParseOid(text, oid)) RaiseError(VK_ERR_BAD_OID);
    return oid;
}

// Lowers the request's count of outstanding sends when an answer has been
// handled, also when handling it raised, unless the request is gone.
struct AnswerHandled {
    std::shared_ptr<VkSNMPRequest*> request;
    ~AnswerHandled() {
        if (*request != nullptr) --(*request)->pendingCount;
    }
};

}  // namespace

void AsyncSnmpCallback(const VkSNMPAsyncContext& context, const VkSnmpOutcome& outcome) {
    VkSNMPRequest* request = context.request ? *context.request : nullptr;
    if (request != nullptr) request->OnAsyncResponse(context, outcome);
}

VkSNMPRequest::VkSNMPRequest() : self_(std::make_shared<VkSNMPRequest*>(this)) {
    LoadGlobalSettings();
}

VkSNMPRequest::~VkSNMPRequest() {
    enabled = false;
    uint64_t deadline = os::TickCount() + static_cast<uint64_t>(os::Scaled(kDestructorWaitMs));
    while (pendingCount > 0 && os::TickCount() < deadline) {
        ui::Application* application = ui::Application::Instance();
        if (application == nullptr) break;
        application->WaitForMessages(5);
    }
    *self_ = nullptr;
}

void VkSNMPRequest::LoadGlobalSettings() {
    address = GlobalSNMPDevice.address;
    port = GlobalSNMPDevice.port;
    contextEngineID = GlobalSNMPScope.contextEngineID;
    contextName = GlobalSNMPScope.contextName;
    version = GlobalSNMPSecurity.version;
    readCommunity = GlobalSNMPSecurity.readCommunity;
    writeCommunity = GlobalSNMPSecurity.writeCommunity;
    securityModel = GlobalSNMPSecurity.securityModel;
    securityLevel = GlobalSNMPSecurity.securityLevel;
    securityName = GlobalSNMPSecurity.securityName;
    authPassword = GlobalSNMPSecurity.authPassword;
    privPassword = GlobalSNMPSecurity.privPassword;
    authProtocol = GlobalSNMPSecurity.authProtocol;
    privProtocol = GlobalSNMPSecurity.privProtocol;
    timeout = GlobalSNMPTimeout;
}

// ---- building a send --------------------------------------------------------

VkSnmpTarget VkSNMPRequest::MakeTarget() const {
    VkSnmpTarget target;
    if (!ResolveAgentAddress(address, target.address)) RaiseError(VK_ERR_BAD_ADDRESS);
    target.port = port;
    target.version = version;
    target.readCommunity = readCommunity;
    target.writeCommunity = writeCommunity;
    target.securityModel = securityModel;
    target.securityLevel = securityLevel;
    target.securityName = securityName;
    target.authPassword = authPassword;
    target.privPassword = privPassword;
    target.authProtocol = authProtocol;
    target.privProtocol = privProtocol;
    target.timeout = timeout;
    target.retries = retries;
    return target;
}

bool VkSNMPRequest::IsTableKind() const { return vars.kind == MVT_FMV || vars.kind == MVT_UMV; }

std::string VkSNMPRequest::BaseOid(int item) const {
    const std::string& oid = vars.Item(item)->oid;
    return vars.instance.empty() ? oid : oid + "." + vars.instance;
}

std::vector<VkSNMPVarBind> VkSNMPRequest::BuildPdu(int mode) {
    if (mode == 1 && (vars.kind == SVT_SV || vars.kind == MVT_SV)) RaiseError(VK_ERR_GETNEXT_SINGLE);
    if (mode == 2 && vars.kind > MVT_UMV) RaiseError(VK_ERR_BAD_LIST_KIND);
    std::string rowIndex = mode == 2 && IsTableKind() ? BuildRowIndex() : std::string();
    std::vector<VkSNMPVarBind> bindings;
    for (int i = 0; i < vars.Count(); ++i) {
        VkSNMPVarItem& item = *vars.Item(i);
        std::string oid;
        if (mode == 0 && vars.IsRequested(i)) {
            item.instanceOid.clear();
            oid = BaseOid(i) + (vars.kind == SVT_SV ? ".0" : "");
        } else if (mode == 1 && vars.IsRequested(i)) {
            oid = item.instanceOid;
        } else if (mode == 2 && vars.IsWritable(i) && !(IsTableKind() && i < vars.keyCount)) {
            if (vars.kind == SVT_SV) oid = BaseOid(i) + ".0";
            else if (vars.kind == MVT_SV) oid = BaseOid(i);
            else oid = BaseOid(i) + "." + (rowIndex.empty() ? std::string("0") : rowIndex);
        } else {
            continue;
        }
        VkSNMPVarBind binding;
        binding.oid = ParseOrRaise(oid);
        if (mode == 2) ValueToVb(i, binding);
        bindings.push_back(std::move(binding));
    }
    return bindings;
}

std::string VkSNMPRequest::BuildRowIndex() {
    std::string text;
    for (int i = 0; i < vars.keyCount; ++i) {
        std::string part = EncodeIndex(i);
        if (!text.empty()) text += ".";
        text += part;
    }
    return text;
}

void VkSNMPRequest::DecodeRowIndex(const std::string& suffix) {
    std::string rest = suffix;
    for (int i = 0; i < vars.keyCount; ++i) {
        if (rest.empty()) RaiseError(VK_ERR_BAD_KEY_COUNT);
        if (!vars.IsRequested(i)) vars.Item(i)->instanceOid = BaseOid(i) + "." + suffix;
        rest = DecodeIndex(i, rest);
    }
}

int VkSNMPRequest::ReadOperation() const {
    switch (vars.kind) {
    case SVT_SV: return static_cast<int>(VkSnmpOperation::get);
    case MVT_SV:
        return static_cast<int>(useGetNext ? VkSnmpOperation::getNext : VkSnmpOperation::get);
    case MVT_FMV:
    case MVT_UMV: return static_cast<int>(VkSnmpOperation::getNext);
    }
    return -1;
}

VkSnmpPduContent VkSNMPRequest::MakePdu(int operation, std::vector<VkSNMPVarBind> bindings) const {
    VkSnmpPduContent pdu;
    pdu.operation = static_cast<VkSnmpOperation>(operation);
    pdu.securityLevel = securityLevel;
    pdu.contextName = contextName;
    pdu.contextEngineID = contextEngineID;
    pdu.bindings = std::move(bindings);
    return pdu;
}

void VkSNMPRequest::ApplySelection(const std::string& selection, const std::vector<std::string>* values) {
    if (selection.empty()) return;
    VkNumList<int> chosen(',');
    chosen.Parse(selection);
    for (int i = 0; i < vars.Count(); ++i) {
        VkSNMPVarItem& item = *vars.Item(i);
        int position = chosen.IndexOf(i);
        if (position < 0) {
            item.access |= VkSNMPAccess::invalid;
            continue;
        }
        item.access &= ~VkSNMPAccess::invalid;
        if (values != nullptr && position < static_cast<int>(values->size())) item.value = (*values)[position];
    }
}

// ---- reading an answer ------------------------------------------------------

void VkSNMPRequest::Report(int code) {
    ++errorCount;
    VkSNMPError error;
    error.code = code;
    error.text = MessageText(code);
    error.errorCount = errorCount;
    if (failure_.code == VK_OK) failure_ = error;
    if (onError) onError(error);
}

// A binding in place of a value the device does not have.
bool VkSNMPRequest::IsMissing(const VkSNMPVarBind& binding) const {
    return !IsTableKind() &&
           (binding.Type() == VkAsnType::noSuchObject || binding.Type() == VkAsnType::noSuchInstance);
}

VkSNMPRequest::AnswerEnd VkSNMPRequest::ReadAnswer(const std::vector<VkSNMPVarBind>& bindings,
                                                   bool reportNoSuchName) {
    std::size_t j = 0;
    std::size_t ended = 0;
    std::string suffix;
    missingCount = 0;
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsRequested(i)) continue;
        // A binding the answer lacks reads as one without value.
        VkSNMPVarBind binding = j < bindings.size() ? bindings[j] : VkSNMPVarBind();
        std::string received = OidToText(binding.oid);
        std::string base = BaseOid(i);
        VkSNMPVarItem& item = *vars.Item(i);
        if (reportNoSuchName) {
            if (item.instanceOid == received) return AnswerEnd::quietStop;
            Report(VK_ERR_NO_SUCH_NAME);
        }
        if (IsColumnEnd(base, item.instanceOid, received)) {
            ++ended;
            item.value = kNotDone;
            std::string rowIndex = BuildRowIndex();
            item.instanceOid = rowIndex.empty() ? base : base + "." + rowIndex;
        } else {
            if (IsMissing(binding)) ++missingCount;
            VbToValue(i, binding);
            item.instanceOid = received;
        }
        if (suffix.empty() && received.size() > base.size()) suffix = received.substr(base.size() + 1);
        ++j;
    }
    if (ended == j) return AnswerEnd::tableEnd;
    if (IsTableKind()) DecodeRowIndex(suffix);
    for (int i = 0; i < vars.Count(); ++i) ApplyExpression(i, true);
    return IsTableKind() ? AnswerEnd::row : AnswerEnd::tableEnd;
}

bool VkSNMPRequest::RepeatsFirstItem(const std::vector<VkSNMPVarBind>& bindings) const {
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsRequested(i)) continue;
        return !bindings.empty() && vars.Item(i)->instanceOid == OidToText(bindings.front().oid);
    }
    return false;
}

// ---- operations ---------------------------------------------------------

bool VkSNMPRequest::GetSync(bool& ok, bool first) {
    ok = true;
    if (!enabled) {
        ok = false;
        return false;
    }
    VkSnmpTarget target = MakeTarget();
    std::vector<VkSNMPVarBind> sent = BuildPdu(first ? 0 : 1);
    int operation = ReadOperation();
    if (operation < 0) {
        ok = false;
        Report(VK_ERR_BAD_LIST_KIND);
        return false;
    }
    VkSnmpOutcome outcome = snmpengine::Exchange(target, MakePdu(operation, sent));
    int code = MapSNMPStatus(outcome.status).code;
    bool walkEnd = IsTableKind() && code == VK_ERR_NO_SUCH_NAME;
    if (code != 0) {
        ok = false;
        if (!walkEnd) Report(code);
    }
    AnswerEnd end = ReadAnswer(outcome.answered ? outcome.bindings : sent, walkEnd);
    if (end == AnswerEnd::quietStop) {
        ok = false;
        return false;
    }
    return end == AnswerEnd::row;
}

void VkSNMPRequest::GetAsync(VkSNMPResultCallback callback, void* userData, bool first) {
    if (!enabled) return;
    VkSnmpTarget target = MakeTarget();
    std::vector<VkSNMPVarBind> sent = BuildPdu(first ? 0 : 1);
    int operation = ReadOperation();
    if (operation < 0) {
        Report(VK_ERR_BAD_LIST_KIND);
        return;
    }
    // A new walk makes the answers of any walk still under way stale.
    if (first && IsTableKind()) ++walkGeneration_;
    VkSNMPAsyncContext context;
    context.isRead = true;
    context.walk = IsTableKind();
    context.generation = walkGeneration_;
    context.callback = std::move(callback);
    context.userData = userData;
    SendAsync(target, MakePdu(operation, std::move(sent)), std::move(context));
}

bool VkSNMPRequest::SetSync(bool& ok, bool readBack, const std::string& selection,
                            const std::vector<std::string>* values) {
    ok = true;
    if (!enabled) {
        ok = false;
        return false;
    }
    std::vector<ItemState> saved = Snapshot(vars);
    ApplySelection(selection, values);
    for (int i = 0; i < vars.Count(); ++i) ApplyExpression(i, false);
    VkSnmpTarget target = MakeTarget();
    std::vector<VkSNMPVarBind> sent = BuildPdu(2);
    VkSnmpOutcome outcome =
        snmpengine::Exchange(target, MakePdu(static_cast<int>(VkSnmpOperation::set), sent));
    Restore(vars, saved);
    int code = MapSNMPStatus(outcome.status).code;
    if (code != 0) {
        ok = false;
        Report(code);
    }
    if (!readBack) return false;
    return ReadAnswer(outcome.answered ? outcome.bindings : sent, false) == AnswerEnd::row;
}

void VkSNMPRequest::SetAsync(VkSNMPResultCallback callback, void* userData, bool readBack,
                             const std::string& selection, const std::vector<std::string>* values) {
    if (!enabled) return;
    std::vector<ItemState> saved = Snapshot(vars);
    ApplySelection(selection, values);
    for (int i = 0; i < vars.Count(); ++i) ApplyExpression(i, false);
    VkSnmpTarget target = MakeTarget();
    std::vector<VkSNMPVarBind> sent = BuildPdu(2);
    Restore(vars, saved);
    VkSNMPAsyncContext context;
    context.isRead = readBack;
    context.callback = std::move(callback);
    context.userData = userData;
    SendAsync(target, MakePdu(static_cast<int>(VkSnmpOperation::set), std::move(sent)),
              std::move(context));
}

void VkSNMPRequest::SendAsync(const VkSnmpTarget& target, const VkSnmpPduContent& pdu,
                              VkSNMPAsyncContext context) {
    context.request = self_;
    context.agentAddress = target.address;
    context.agentPort = target.port;
    ++pendingCount;
    snmpengine::SendAsync(target, pdu, [context](const VkSnmpOutcome& outcome) {
        AsyncSnmpCallback(context, outcome);
    });
}

void VkSNMPRequest::OnAsyncResponse(const VkSNMPAsyncContext& context, const VkSnmpOutcome& outcome) {
    AnswerHandled handled{self_};
    if (context.walk && context.generation != walkGeneration_) return;  // a restarted walk's answer
    VkSNMPError result;
    result.SetStatus(outcome.status);
    result.errorIndex = outcome.errorIndex;
    result.agentAddress = context.agentAddress;
    result.agentPort = context.agentPort;
    result.errorCount = errorCount;
    result.endOfTable = true;
    bool walkEnd = context.walk && result.code == VK_ERR_NO_SUCH_NAME;
    if (walkEnd) {
        if (RepeatsFirstItem(outcome.bindings)) result.SetStatus(0);
    } else if (result.code == 0 && context.isRead) {
        AnswerEnd end = ReadAnswer(outcome.bindings, false);
        result.endOfTable = end == AnswerEnd::tableEnd || !IsTableKind();
    }
    if (context.callback) context.callback(context.userData, &result, &vars);
}
