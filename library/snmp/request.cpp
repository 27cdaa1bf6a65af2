#include "library/snmp/request.h"

#include "library/common/messages.h"
#include "library/snmp/global_session.h"
#include "library/snmp/num_list.h"
#include "library/snmp/syntax_value.h"
#include "library/snmp/walk_row.h"
#include "platform/os/clock.h"
#include "platform/ui/application.h"

namespace {

const char* const kNotDone = "(NOTDONE)";

std::string WalkUnendingText(int32_t steps) {
    return "The device's table did not end: the walk stopped after " + std::to_string(steps) + " steps.";
}
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
    // What LeaveOutOfNextWrite marked holds for this write only.
    std::vector<bool> leftOut;
    if (mode == 2) leftOut.swap(leftOut_);
    std::vector<VkSNMPVarBind> bindings;
    for (int i = 0; i < vars.Count(); ++i) {
        VkSNMPVarItem& item = *vars.Item(i);
        std::string oid;
        if (mode == 0 && vars.IsRequested(i)) {
            item.instanceOid.clear();
            oid = BaseOid(i) + (vars.kind == SVT_SV ? ".0" : "");
        } else if (mode == 1 && vars.IsRequested(i)) {
            oid = item.instanceOid;
        } else if (mode == 2 && vars.IsWritable(i) && !(IsTableKind() && i < vars.keyCount) &&
                   !Marked(leftOut, i)) {
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

bool VkSNMPRequest::Marked(const std::vector<bool>& marks, int item) {
    return item >= 0 && item < static_cast<int>(marks.size()) && marks[static_cast<size_t>(item)];
}

void VkSNMPRequest::Mark(std::vector<bool>& marks, int item, bool marked) {
    if (item < 0) return;
    if (item >= static_cast<int>(marks.size())) marks.resize(static_cast<size_t>(item) + 1, false);
    marks[static_cast<size_t>(item)] = marked;
}

void VkSNMPRequest::LeaveOutOfNextWrite(int item) { Mark(leftOut_, item, true); }

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

void VkSNMPRequest::ReportWalkUnending() {
    ++errorCount;
    VkSNMPError error;
    error.code = VK_ERR_WALK_UNENDING;
    error.text = WalkUnendingText(maxWalkSteps);
    error.errorCount = errorCount;
    if (onError) onError(error);
}

void VkSNMPRequest::StartWalk() {
    walkSteps_ = 0;
    lastRow_.clear();
    ended_.assign(static_cast<size_t>(vars.Count()), false);
}

VkSNMPRequest::AnswerEnd VkSNMPRequest::ReadAnswer(const std::vector<VkSNMPVarBind>& bindings,
                                                   bool reportNoSuchName) {
    if (IsTableKind()) return ReadRow(bindings, reportNoSuchName);
    std::size_t j = 0;
    missingCount = 0;
    for (int i = 0; i < vars.Count(); ++i) {
        Mark(missing_, i, false);
        Mark(mistyped_, i, false);
        if (!vars.IsRequested(i)) continue;
        // A binding the answer lacks reads as one without value.
        VkSNMPVarBind binding = j < bindings.size() ? bindings[j] : VkSNMPVarBind();
        ++j;
        VkSNMPVarItem& item = *vars.Item(i);
        if (reportNoSuchName) {
            if (item.instanceOid == OidToText(binding.oid)) return AnswerEnd::quietStop;
            Report(VK_ERR_NO_SUCH_NAME);
        }
        if (IsMissing(binding)) ++missingCount;
        Mark(mistyped_, i, !CarriesSyntax(item.syntax, binding));
        VbToValue(i, binding);
        item.instanceOid = OidToText(binding.oid);
    }
    for (int i = 0; i < vars.Count(); ++i) ApplyExpression(i, true);
    return AnswerEnd::tableEnd;
}

// One step of a walk: the row is the least index after the last row taken
// among the columns that have not ended (walk_row.h); a column that ended or
// whose answer lies past the row has no cell in it. Once every column ended,
// the walk has.
VkSNMPRequest::AnswerEnd VkSNMPRequest::ReadRow(const std::vector<VkSNMPVarBind>& bindings,
                                                bool reportNoSuchName) {
    if (ended_.size() != static_cast<size_t>(vars.Count())) ended_.assign(static_cast<size_t>(vars.Count()), false);
    missingCount = 0;
    std::vector<int> columns;
    std::vector<VkSNMPVarBind> answers;
    std::vector<VkWalkCell> cells;
    for (int i = 0; i < vars.Count(); ++i) {
        Mark(missing_, i, false);
        Mark(mistyped_, i, false);
        if (!vars.IsRequested(i)) continue;
        const std::size_t j = answers.size();
        answers.push_back(j < bindings.size() ? bindings[j] : VkSNMPVarBind());
        std::string received = OidToText(answers.back().oid);
        std::string base = BaseOid(i);
        const VkSNMPVarItem& item = *vars.Item(i);
        if (reportNoSuchName) {
            if (item.instanceOid == received) return AnswerEnd::quietStop;
            Report(VK_ERR_NO_SUCH_NAME);
        }
        VkWalkCell cell;
        cell.ended = ended_[static_cast<size_t>(i)] || IsColumnEnd(base, item.instanceOid, received);
        if (!cell.ended) cell.index = received.substr(base.size() + 1);
        columns.push_back(i);
        cells.push_back(cell);
    }
    const std::string row = WalkRowOf(cells, lastRow_);
    const std::string at = row.empty() ? lastRow_ : row;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const int i = columns[k];
        VkSNMPVarItem& item = *vars.Item(i);
        ended_[static_cast<size_t>(i)] = cells[k].ended;
        if (row.empty()) {
            item.value = kNotDone;
        } else if (!cells[k].ended && CompareIndex(cells[k].index, row) == 0) {
            Mark(mistyped_, i, !CarriesSyntax(item.syntax, answers[k]));
            VbToValue(i, answers[k]);
        } else {
            Mark(missing_, i, true);
            item.value = NoValueText(item.syntax);
        }
        item.instanceOid = at.empty() ? BaseOid(i) : BaseOid(i) + "." + at;
    }
    if (row.empty()) return AnswerEnd::tableEnd;
    lastRow_ = row;
    DecodeRowIndex(row);
    for (int i = 0; i < vars.Count(); ++i) ApplyExpression(i, true);
    return AnswerEnd::row;
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
    if (first) StartWalk();
    ++walkSteps_;
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
    if (end == AnswerEnd::row && walkSteps_ >= maxWalkSteps) {
        ok = false;
        ReportWalkUnending();
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
    if (first) StartWalk();
    ++walkSteps_;
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
        leftOut_.clear();
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
    StartWalk();  // the answer holds the row written, whatever was walked before
    return ReadAnswer(outcome.answered ? outcome.bindings : sent, false) == AnswerEnd::row;
}

void VkSNMPRequest::SetAsync(VkSNMPResultCallback callback, void* userData, bool readBack,
                             const std::string& selection, const std::vector<std::string>* values) {
    if (!enabled) {
        leftOut_.clear();
        return;
    }
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
        if (!context.walk) StartWalk();  // a write's answer holds the row written
        AnswerEnd end = ReadAnswer(outcome.bindings, false);
        result.endOfTable = end == AnswerEnd::tableEnd || !IsTableKind();
        if (context.walk && end == AnswerEnd::row && walkSteps_ >= maxWalkSteps) {
            ReportWalkUnending();
            result.code = VK_ERR_WALK_UNENDING;
            result.text = WalkUnendingText(maxWalkSteps);
            result.errorCount = errorCount;
            result.endOfTable = true;
        }
    }
    if (context.callback) context.callback(context.userData, &result, &vars);
}
