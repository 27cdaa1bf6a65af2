#pragma once
// VkSNMPRequest: one SNMP conversation with the agent over one variable list.
// It reads the list's requested items with GET (or walks a table with
// GET-NEXT, one row per step and one binding per requested column), writes
// its writable items with SET, synchronously or asynchronously, through the
// global session (global_session.h). It copies the shared settings when it is
// made and keeps them.
//
//   VkSNMPRequest request;
//   request.vars = VkSNMPVarList(VarsClients, MVT_UMV, 1);
//   bool ok = true;
//   for (bool row = request.GetSync(ok, true); row; row = request.GetSync(ok, false))
//       AddRow(request.vars);
//
// Synchronous operations block without processing window messages and report
// failures to onError (raising errorCount). Asynchronous ones deliver exactly
// one result per send to the result callback, from the pump; a refused send
// is such a result too. A read with first set on a walked table restarts the
// walk: answers of an earlier walk of the same request still outstanding are
// dropped.
//
// A walk only moves forward: each step takes the least row index the columns
// answered after the last row taken; a column whose answer is not after that
// row has ended. A cell the agent left out of a row reads as no value and is
// marked (CellMissing), a value of another type than the item's too
// (Mistyped). A walk that has not ended after maxWalkSteps steps fails with
// VK_ERR_WALK_UNENDING rather than asking for ever.
//
// The destructor waits (processing messages) up to 6000 ms for outstanding
// answers; answers arriving later are dropped.
//
// Raised (os::Exception, code in HelpContext): -509 address, -510 walk step on
// a scalar or instance list, -511 syntax, -512/-513 expressions, -514 short
// row index, -515 bad list kind in a write, -417 an OID that does not parse.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "library/snmp/netsnmp_engine.h"
#include "library/snmp/snmp_status.h"
#include "library/snmp/snmp_target.h"
#include "library/snmp/value_codec.h"

class VkSNMPRequest;

// The result of one asynchronous send: userData as given, the result record
// and the request's variables (both valid during the call only).
using VkSNMPResultCallback = std::function<void(void* userData, VkSNMPError* result, VkSNMPVarList* vars)>;

// What the request keeps for one asynchronous send until its answer is in.
struct VkSNMPAsyncContext {
    // Cleared when the request is destroyed, so a late answer finds no request.
    std::shared_ptr<VkSNMPRequest*> request;
    bool isRead = false;  // reads, and writes with readBack
    bool walk = false;    // a read of a walked table
    uint64_t generation = 0;  // the walk it belongs to
    std::string agentAddress;  // where the send went
    uint16_t agentPort = 0;
    VkSNMPResultCallback callback;
    void* userData = nullptr;
};

// Runs the request's answer handling for one finished send, unless the
// request is gone.
void AsyncSnmpCallback(const VkSNMPAsyncContext& context, const VkSnmpOutcome& outcome);

class VkSNMPRequest : public VkSNMPValueCodec {
public:
    VkSNMPRequest();
    ~VkSNMPRequest() override;
    VkSNMPRequest(const VkSNMPRequest&) = delete;
    VkSNMPRequest& operator=(const VkSNMPRequest&) = delete;

    // Copies the shared device, scope, security and time-out settings.
    void LoadGlobalSettings();

    // One synchronous read step; true while a walk has a row.
    bool GetSync(bool& ok, bool first);
    // One asynchronous read step.
    void GetAsync(VkSNMPResultCallback callback, void* userData, bool first);
    // One synchronous write. selection: item numbers "1,3" (empty: none);
    // values: the value of each selected item, in selection order, or null.
    bool SetSync(bool& ok, bool readBack, const std::string& selection,
                 const std::vector<std::string>* values);
    // One asynchronous write.
    void SetAsync(VkSNMPResultCallback callback, void* userData, bool readBack,
                  const std::string& selection, const std::vector<std::string>* values);

    int64_t ErrorCount() const { return errorCount; }
    // The first failure reported (to onError too) since the last
    // ClearFailure(); code 0 when there was none. A caller that wants to
    // know how one operation went clears it first and reads it after,
    // instead of swapping onError around the call.
    const VkSNMPError& Failure() const { return failure_; }
    void ClearFailure() { failure_ = VkSNMPError{}; }
    // What the last answer gave item i: no cell in the walked row (the agent
    // left it out), a value of another type than the item's syntax.
    bool CellMissing(int item) const { return Marked(missing_, item); }
    bool Mistyped(int item) const { return Marked(mistyped_, item); }
    // Leaves item i out of the next write, whatever its access (once: the
    // write after it sends it again).
    void LeaveOutOfNextWrite(int item);
    bool MatchesRowFilter() { return EvaluateCondition(rowFilter); }

    VkSNMPErrorCallback onError;
    bool useGetNext = false;
    int32_t timeout = 100;  // hundredths of a second per send
    int32_t retries = 1;
    std::string address;
    uint16_t port = 0;
    std::string contextEngineID;
    std::string contextName;
    uint8_t version = 0;
    std::string readCommunity;
    std::string writeCommunity;
    int32_t securityModel = 0;
    int32_t securityLevel = 0;
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    int32_t authProtocol = 0;
    int32_t privProtocol = 0;
    // vars is inherited from VkSNMPValueCodec.
    std::string rowFilter;
    bool enabled = true;
    int32_t pendingCount = 0;
    int64_t errorCount = 0;
    // Items of the last answer that came back without a value (an SNMPv2
    // noSuchObject or noSuchInstance in place of a scalar's or instance's
    // value): the device lacks them.
    int32_t missingCount = 0;
    // The most steps (sends) one walk takes; the walk fails when its last
    // allowed step still gives a row.
    int32_t maxWalkSteps = 10000;

    // Internal steps (public for the control-bound requests and tests).
    VkSnmpTarget MakeTarget() const;
    std::vector<VkSNMPVarBind> BuildPdu(int mode);
    void DecodeRowIndex(const std::string& suffix);
    std::string BuildRowIndex();
    void OnAsyncResponse(const VkSNMPAsyncContext& context, const VkSnmpOutcome& outcome);

private:
    enum class AnswerEnd { row, tableEnd, quietStop };

    bool IsTableKind() const;
    std::string BaseOid(int item) const;
    VkSnmpPduContent MakePdu(int operation, std::vector<VkSNMPVarBind> bindings) const;
    // The operation a read of this list uses; -1 for a kind outside 0..3.
    int ReadOperation() const;
    void Report(int code);
    AnswerEnd ReadAnswer(const std::vector<VkSNMPVarBind>& bindings, bool reportNoSuchName);
    AnswerEnd ReadRow(const std::vector<VkSNMPVarBind>& bindings, bool reportNoSuchName);
    void ReportWalkUnending();
    void StartWalk();
    static bool Marked(const std::vector<bool>& marks, int item);
    static void Mark(std::vector<bool>& marks, int item, bool marked);
    bool RepeatsFirstItem(const std::vector<VkSNMPVarBind>& bindings) const;
    bool IsMissing(const VkSNMPVarBind& binding) const;
    void ApplySelection(const std::string& selection, const std::vector<std::string>* values);
    void SendAsync(const VkSnmpTarget& target, const VkSnmpPduContent& pdu, VkSNMPAsyncContext context);

    std::shared_ptr<VkSNMPRequest*> self_;
    uint64_t walkGeneration_ = 0;
    VkSNMPError failure_;
    // The walk under way: its steps, the last row taken, the ended columns.
    int32_t walkSteps_ = 0;
    std::string lastRow_;
    std::vector<bool> ended_;
    std::vector<bool> missing_;
    std::vector<bool> mistyped_;
    std::vector<bool> leftOut_;
};
