#include "sim/object_handler.h"

#include <vector>

#include "sim/device.h"
#include "sim/netsnmp.h"
#include "sim/set_check.h"
#include "sim/set_error_plan.h"
#include "sim/varbind_value.h"

namespace sim {

namespace {

struct Context {
    Device* device;
    SetErrorPlan* errors;
};

Context g_context{nullptr, nullptr};

Oid RequestOid(const netsnmp_request_info* request) {
    return OidOf(request->requestvb->name, request->requestvb->name_length);
}

int StatusOf(SetStatus status) {
    switch (status) {
    case SetStatus::NoError: return SNMP_ERR_NOERROR;
    case SetStatus::NotWritable: return SNMP_ERR_NOTWRITABLE;
    case SetStatus::NoCreation: return SNMP_ERR_NOCREATION;
    case SetStatus::WrongType: return SNMP_ERR_WRONGTYPE;
    case SetStatus::WrongLength: return SNMP_ERR_WRONGLENGTH;
    case SetStatus::WrongValue: return SNMP_ERR_WRONGVALUE;
    }
    return SNMP_ERR_GENERR;
}

void AnswerGet(netsnmp_agent_request_info* info, netsnmp_request_info* request) {
    const ObjectStore::Entry* entry = g_context.device->Store().Find(RequestOid(request));
    if (entry == nullptr) {
        netsnmp_set_request_error(info, request, SNMP_NOSUCHOBJECT);
        return;
    }
    ToVarbind(g_context.device->Read(*entry), request->requestvb);
    g_context.device->AfterRead(entry->def.oid);
}

// Leaves the binding untouched when the subtree has nothing after it, so that
// the agent goes on in the next registered subtree.
void AnswerGetNext(const Oid& root, netsnmp_request_info* request) {
    const ObjectStore::Entry* entry = g_context.device->Store().Next(RequestOid(request), root);
    if (entry == nullptr) return;
    std::vector<oid> name(entry->def.oid.begin(), entry->def.oid.end());
    snmp_set_var_objid(request->requestvb, name.data(), name.size());
    ToVarbind(g_context.device->Read(*entry), request->requestvb);
    g_context.device->AfterRead(entry->def.oid);
}

void CheckSetRequest(netsnmp_agent_request_info* info, netsnmp_request_info* request) {
    Oid name = RequestOid(request);
    int status = g_context.errors->Take(name);
    if (status == SetErrorPlan::kLost) status = SNMP_ERR_GENERR;  // nothing is stored; no answer goes out
    else if (status == SNMP_ERR_NOERROR) {
        Value value;
        const ObjectStore::Entry* entry = g_context.device->Store().Find(name);
        status = FromVarbind(request->requestvb, value) ? StatusOf(CheckSet(entry, value))
                                                        : SNMP_ERR_WRONGTYPE;
    }
    if (status != SNMP_ERR_NOERROR) netsnmp_set_request_error(info, request, status);
}

void FreeValue(void* value) { delete static_cast<Value*>(value); }

// Stores the new value and keeps the old one for an undo.
void StoreSetRequest(netsnmp_request_info* request) {
    ObjectStore::Entry* entry = g_context.device->Store().Find(RequestOid(request));
    Value value;
    if (entry == nullptr || !FromVarbind(request->requestvb, value)) return;  // refused in RESERVE1
    netsnmp_request_add_list_data(
        request, netsnmp_create_data_list("undo", new Value(entry->value), &FreeValue));
    entry->value = AsStored(entry->def, value);
}

// Runs the entry actions of the SET once all its values are stored; a
// refused action fails the SET on its action object, and the agent undoes
// the stored values.
void RunEntryActions(netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    std::vector<Oid> stored;
    for (netsnmp_request_info* request = requests; request; request = request->next)
        stored.push_back(RequestOid(request));
    Oid failed;
    const ActionResult result = g_context.device->RunActions(stored, failed);
    if (result == ActionResult::Done) return;
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        if (RequestOid(request) != failed) continue;
        netsnmp_set_request_error(info, request,
                                  result == ActionResult::Full ? SNMP_ERR_RESOURCEUNAVAILABLE
                                                               : SNMP_ERR_INCONSISTENTVALUE);
        return;
    }
}

void UndoSetRequest(netsnmp_request_info* request) {
    auto* old = static_cast<Value*>(netsnmp_request_get_list_data(request, "undo"));
    if (old != nullptr) g_context.device->Store().Put(RequestOid(request), *old);
}

int HandleRequests(netsnmp_mib_handler*, netsnmp_handler_registration* registration,
                   netsnmp_agent_request_info* info, netsnmp_request_info* requests) {
    const Oid root = OidOf(registration->rootoid, registration->rootoid_len);
    std::vector<Oid> written;
    for (netsnmp_request_info* request = requests; request; request = request->next) {
        switch (info->mode) {
        case MODE_GET: AnswerGet(info, request); break;
        case MODE_GETNEXT: AnswerGetNext(root, request); break;
        case MODE_SET_RESERVE1: CheckSetRequest(info, request); break;
        case MODE_SET_ACTION: StoreSetRequest(request); break;
        case MODE_SET_UNDO: UndoSetRequest(request); break;
        case MODE_SET_COMMIT: written.push_back(RequestOid(request)); break;
        default: break;  // RESERVE2 and FREE: nothing reserved
        }
    }
    if (info->mode == MODE_SET_ACTION) RunEntryActions(info, requests);
    if (info->mode == MODE_SET_COMMIT) g_context.device->Commit(written);
    return SNMP_ERR_NOERROR;
}

bool Register(const char* name, const Oid& root) {
    std::vector<oid> arcs(root.begin(), root.end());
    netsnmp_handler_registration* registration = netsnmp_create_handler_registration(
        name, &HandleRequests, arcs.data(), arcs.size(), HANDLER_CAN_RWRITE);
    return registration != nullptr && netsnmp_register_handler(registration) == MIB_REGISTERED_OK;
}

}  // namespace

bool RegisterObjectHandler(Device& device, SetErrorPlan& errors) {
    g_context = Context{&device, &errors};
    return Register("vap7720-system", Oid{1, 3, 6, 1, 2, 1, 1}) &&
           Register("vap7720-device", DeviceRoot());
}

}  // namespace sim
