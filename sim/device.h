#pragma once
// What the simulated access point does beyond storing values: the device
// commands (apply, discard, restart, factory default, TFTP transfers and what
// follows them, the scans of the air and deleting the WDS partners), the
// pending and activated copies of the settings, the boot time that sysUpTime
// counts from, and the secrets a read may hide.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/entry_actions.h"
#include "sim/mac_acl.h"
#include "sim/object_store.h"
#include "sim/schedule_rules.h"
#include "sim/traffic_counters.h"
#include "sim/transfer_job.h"

namespace sim {

struct DeviceOptions {
    std::string fileFolder;  // where fetched files are kept
    int tftpPort = 69;
    int tftpConnectTimeoutMs = 5000;
    int scanDelayMs = 0;       // how long a scan takes before its SET is answered
    bool maskSecrets = false;  // reads of pass-phrases, keys and secrets give asterisks
};

// The last TFTP transfer as a test reads it through the control channel.
struct TransferStatus {
    std::string state = "idle";  // idle, busy, done, failed
    std::string operation;       // get, put, putacl
    std::string file;
    size_t bytes = 0;
    std::string message;
};

class Device {
public:
    Device(ObjectStore& store, DeviceOptions options);

    ObjectStore& Store() { return store_; }

    // The value a read returns: the stored one, except sysUpTime, the rows
    // of a scanned table (what the last scan found) and, when masked, the
    // secrets (an asterisk per character).
    Value Read(const ObjectStore::Entry& entry) const;
    // After a read answered the object: the traffic counters grow.
    void AfterRead(const Oid& oid) { traffic_.AfterRead(oid); }

    // Every scanned table takes what the object data says now as its result,
    // as if each scan had just run (at start-up, after the objects loaded).
    void ScanAll();

    // Milliseconds (unscaled) the answer to a SET that starts a scan waits.
    void SetScanDelay(int milliseconds) { options_.scanDelayMs = milliseconds; }

    // Once after a SET started a scan: how long (scaled) its answer is held
    // back; -1 when no scan was started since the last call.
    int TakeScanHold();

    // Takes the current settings as the activated ones (what a discard
    // returns to).
    void ActivateSettings();

    // Adds or deletes the entries whose action objects one SET has written,
    // once all its values are stored (entry_actions.h); a refused action
    // names its action object in `failed`.
    ActionResult RunActions(const std::vector<Oid>& written, Oid& failed) {
        ActionResult result = actions_.Run(store_, written, failed);
        if (result == ActionResult::Done) result = macAcl_.Run(store_, written, failed);
        if (result == ActionResult::Done) result = schedule_.Run(store_, written, failed);
        return result;
    }

    // Runs the commands among the objects one SET has written, after all its
    // values are stored; each command object then reads "nothing" again.
    void Commit(const std::vector<Oid>& written);

    // True once after a command asked for a restart (the caller answers the
    // SET first, then takes the device down).
    bool TakeRestartRequest();
    // Whether a command asked for a restart not yet taken.
    bool RestartRequested() const { return restartRequested_; }

    // True once after the settings were applied (the caller may pause the
    // device for a while, as applying them takes).
    bool TakeApplyRequest();

    // A new boot: sysUpTime from 0 and the LED modes on (5 GHz by the band).
    void Boot();

    // Collects a finished transfer and runs the commands that waited for it.
    void Poll();

    const TransferStatus& Transfer() const { return transfer_; }

    // A fault of the device's later transfers (a test's choice).
    enum class TftpFault { None, Stall, WrongName };
    void SetTftpFault(TftpFault fault) { tftpFault_ = fault; }

    // The three LED mode objects (2.4 GHz, 5 GHz, LAN).
    void SetLeds(long wireless24, long wireless5, long lan);

    // The settings as a configuration file: one "<oid> <value>" line per
    // writable object that is not a command.
    std::string ConfigurationText() const;

    // The device's own log, one entry per line (a line may end in CR). It is
    // sent as the lines each followed by LF; a test adds lines to it.
    const std::vector<std::string>& LogLines() const { return logLines_; }
    void AddLogLine(const std::string& line) { logLines_.push_back(line); }
    std::string LogText() const;

private:
    struct Command {
        Oid oid;
        void (Device::*run)(long value);
    };

    void Apply(long value);  // activates the settings
    void Discard(long value);
    void FactoryDefault(long value);
    void Restart(long value);
    void ClearLanguagePack(long value);
    void TftpCommand(long value);
    void UpgradeCommand(long value);
    void RunUpgrade(long value);
    void ScanClientSurvey(long value);
    void ScanWdsSurvey(long value);
    void ScanCloneList(long value);
    void ScanStations(long value);
    void ScanRogueSurvey(long value);
    void ScanApArray(long value);
    void RogueAddToValid(long index);
    void RogueAddToNeighbor(long index);
    void RogueAddToRogue(long index);
    void RogueAddToNew(long index);
    void ClassifyRogueAp(long index, long type);
    void RefreshWdsPeers(long value);
    void ClearWlanCounters(long value);
    void ClearEthernetCounters(long value);
    void DeleteAllRemoteAps(long value);
    void DeleteManagerRange(long index);
    void DeleteDhcpStaticRow(long index);
    void DeleteVlanRows(const std::vector<Oid>& written);
    void RebuildPortList(long value);
    void SendLog(long value);
    void ClearLog(long value);
    // Fills in the server settings of mail-server preset n (1 Internal,
    // 2 Gmail, 3 Hotmail); the preset index keeps its written value.
    void LoadMailPreset(long preset);
    void DeleteQosRule(long index);
    void EmptyRow(const char* entryOid, long index);

    // Takes the object data's rows below `table` as the result of a scan.
    void Scan(const char* table);
    bool IsSecret(const Oid& oid) const;

    void StartTransfer(TransferKind kind, const std::string& operation, const std::string& content);
    // The same to the server address and under the file name of those objects.
    void StartTransferTo(const char* serverOid, const char* fileOid, TransferKind kind,
                         const std::string& operation, const std::string& content);
    void FinishTransfer(const TransferResult& result);
    bool IsCommand(const Oid& oid) const;
    // Settings are the writable objects that are not commands; the firmware
    // version, LEDs and status objects are not among them.
    bool IsSetting(const ObjectStore::Entry& entry) const;
    ObjectStore::Values Settings() const;
    ObjectStore::Values FactorySettings() const;
    void RestoreConfiguration(const std::string& text);
    void SetNumber(const char* oid, long value);
    void SetText(const char* oid, const std::string& text);

    TftpFault tftpFault_ = TftpFault::None;
    long Number(const char* oid) const;
    std::string Text(const char* oid) const;

    ObjectStore& store_;
    DeviceOptions options_;
    std::vector<Command> commands_;
    // Settings whose written value also acts (they keep the value).
    std::vector<Command> effects_;
    std::vector<std::string> logLines_;
    EntryActions actions_;
    ScheduleRules schedule_;
    ObjectStore::Values activated_;
    uint64_t bootTick_;
    bool restartRequested_ = false;
    bool applyRequested_ = false;
    TransferJob job_;
    TransferStatus transfer_;
    std::vector<long> upgradesWaiting_;
    std::string fetched_;  // content of the last file fetched
    MacAcl macAcl_;
    bool aclFetchFresh_ = false;  // a fetched file getacl has not taken yet
    ObjectStore::Values scanned_;  // the rows of the scanned tables as the last scans found them
    bool scanStarted_ = false;
    std::vector<Oid> secrets_;
    TrafficCounters traffic_;
};

}  // namespace sim
