#include "sim/device.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "platform/os/clock.h"
#include "sim/line_tokens.h"
#include "sim/set_check.h"

namespace sim {

namespace {

constexpr char kSysUpTime[] = "1.3.6.1.2.1.1.3.0";
constexpr char kDeviceRestart[] = "E.4.2.1.0";
constexpr char kDeviceFactoryDefault[] = "E.4.2.2.0";
constexpr char kDeviceSettingApply[] = "E.4.2.3.0";
constexpr char kDeviceSettingDiscard[] = "E.4.2.4.0";
constexpr char kLanguagePackClear[] = "E.4.2.5.0";
constexpr char kTftpServerAddress[] = "E.4.3.2.1.0";
constexpr char kTftpRemoteFileName[] = "E.4.3.2.2.0";
constexpr char kTftpCommand[] = "E.4.3.2.4.0";
constexpr char kTftpUpgradeCommand[] = "E.4.3.2.5.0";
constexpr char kFirmwareVersion[] = "E.5.1.1.0";
constexpr char kLed24[] = "E.5.1.2.1.1.6.1";
constexpr char kLed5[] = "E.5.1.2.1.1.7.1";
constexpr char kLedLan[] = "E.5.1.2.1.1.14.1";
constexpr char kBand[] = "E.2.1.3.3.1.1.1.34.1";

// The scans of the air: each command object and the table it fills.
constexpr char kSiteSurveyRefresh[] = "E.2.1.3.3.1.3.1.1.1.1";
constexpr char kSiteSurveyTable[] = "E.2.1.3.3.1.3.2";
constexpr char kWdsSiteSurveyRefresh[] = "E.2.1.3.3.1.4.1.1.1.1";
constexpr char kWdsSiteSurveyTable[] = "E.2.1.3.3.1.4.2";
constexpr char kMacCloneRefresh[] = "E.2.1.3.3.6.1.1.4.1";
constexpr char kMacCloneTable[] = "E.2.1.3.3.6.2";
// The client refresh rebuilds the table of the stations associated now.
constexpr char kClientRefresh[] = "E.2.1.3.3.4.1.1.1.1";
constexpr char kStationTable[] = "E.2.1.3.3.4.2";
constexpr char kRogueSurveyRefresh[] = "E.3.4.4.1.0";
constexpr char kRogueSurveyTable[] = "E.3.4.4.4";
constexpr char kApArrayScan[] = "E.3.11.1.2.1.1.0";
constexpr char kApArrayScanTable[] = "E.3.11.1.2.1.3";
constexpr char kApArrayMemberTable[] = "E.3.11.2.1";

// The rogue survey's reclassification: the objects that take a survey index,
// the type each gives that access point, and the survey's type column.
constexpr char kRogueAddToValid[] = "E.3.4.4.5.0";
constexpr char kRogueAddToNeighbor[] = "E.3.4.4.6.0";
constexpr char kRogueAddToRogue[] = "E.3.4.4.7.0";
constexpr char kRogueAddToNew[] = "E.3.4.4.8.0";
constexpr char kRogueSurveyType[] = "E.3.4.4.4.1.11";
constexpr long kRogueNew = 1;
constexpr long kRogueValid = 2;
constexpr long kRogueNeighborhood = 3;
constexpr long kRogueRogue = 4;
// The WDS peers, rebuilt on request like a scan.
constexpr char kWdsRefresh[] = "E.2.1.3.3.5.1.1.1.1";
constexpr char kWdsTable[] = "E.2.1.3.3.5.2";

// The commands that zero the traffic counters.
constexpr char kWlanClear[] = "E.5.2.2.1.1.1.30.1";
constexpr char kEthernetClear[] = "E.5.2.1.1.1.1.16.1";

// The eight WDS partner addresses and the command that frees them all.
constexpr char kRemoteApAddresses[] = "E.2.1.3.3.1.2.1.1.2.1";
constexpr char kRemoteApDeleteAll[] = "E.2.1.3.3.1.2.2.1.3.1";
constexpr char kNoAddress[] = "000000000000";
constexpr char kDhcpStaticTable[] = "E.3.1.3.2.1";
constexpr char kDhcpStaticDelete[] = "E.3.1.3.3.0";
constexpr char kQosRuleTable[] = "E.3.7.2.5.1";
constexpr char kQosRuleDelete[] = "E.3.7.2.4.0";

// The administrator address ranges and the command that frees one row.
constexpr char kManagerPoolStart[] = "E.4.10.1.4.1.3";
constexpr char kManagerPoolEnd[] = "E.4.10.1.4.1.4";
constexpr char kManagerDelete[] = "E.4.10.1.3.0";
constexpr char kFreeRangeAddress[] = "0.0.0.0";

// The VLAN table (VID, name, 18 memberships, then each row's delete action)
// and the port list the device builds from it on a refresh.
constexpr char kVlanTable[] = "E.3.6.1.3.1";
constexpr uint32_t kVlanVidColumn = 2;
constexpr uint32_t kVlanFirstPortColumn = 4;
constexpr uint32_t kVlanDeleteColumn = 22;
constexpr uint32_t kVlanPorts = 18;
constexpr long kVlanTagged = 1;
constexpr long kVlanUntagged = 2;
constexpr char kPortListRefresh[] = "E.3.6.3.1.0";
constexpr char kPortListTagVid[] = "E.3.6.3.2.1.2";
constexpr char kPortListUntagVid[] = "E.3.6.3.2.1.3";
// The device log: where it is sent, the send and clear commands.
constexpr char kLogServerAddress[] = "E.5.4.4.0";
constexpr char kLogFileName[] = "E.5.4.5.0";
constexpr char kLogGet[] = "E.5.4.6.0";
constexpr char kLogClear[] = "E.5.4.10.0";

// The e-mail notification's preset and the settings each preset fills in.
constexpr char kMailServerIndex[] = "E.5.4.11.1.1.12.1";
constexpr char kMailServerAddress[] = "E.5.4.11.1.1.5.1";
constexpr char kMailAuthentication[] = "E.5.4.11.1.1.6.1";
constexpr char kMailPort[] = "E.5.4.11.1.1.10.1";
constexpr char kMailSsl[] = "E.5.4.11.1.1.11.1";
struct MailPreset {
    long index;
    const char* server;
    long port;
    long authentication;
    long ssl;
};
constexpr MailPreset kMailPresets[] = {
    {1, "0.0.0.0", 25, 0, 0},
    {2, "192.0.2.25", 587, 1, 1},
    {3, "198.51.100.25", 587, 1, 1},
};

// What the device has logged since its start.
const char* const kInitialLog[] = {
    "Jan 01 00:00:05 | kernel [System] Device started",
    "Jan 01 00:00:09 | hostapd [Wireless] Radio 2.4GHz up on channel 6",
    "Jan 01 00:01:12 | httpd [Notice] Administrator logged in",
};

// What a read hides when secrets are masked: the WPA pass-phrase, the four
// WEP keys, the RADIUS secrets and the accounting secrets.
const char* const kSecrets[] = {
    "E.2.1.3.3.2.1.1.4.1",     "E.2.1.3.3.2.2.1.3.1.1",  "E.2.1.3.3.2.2.1.3.1.2",
    "E.2.1.3.3.2.2.1.3.1.3",   "E.2.1.3.3.2.2.1.3.1.4",  "E.2.1.3.3.2.1.1.10.1",
    "E.2.1.3.3.2.1.1.13.1",    "E.2.1.3.3.2.1.1.17.1",   "E.2.1.3.3.2.1.1.21.1",
};

// The secrets of the eight multi-SSID rows (ifIndex 1, SSID index 1 to 8):
// the WEP key, the pass-phrase and the SSID's RADIUS secret (server 1).
const char* const kMssidSecretColumns[] = {"E.3.3.3.1.8.1.", "E.3.3.3.1.11.1.", "E.3.3.4.1.4.1."};
constexpr int kMssidRows = 8;

// tftpcommand values.
constexpr long kTftpGet = 2;
constexpr long kTftpPut = 3;
constexpr long kTftpPutAcl = 5;

// tftpUpgradeSettingCommand values.
constexpr long kFirmwareUpdate = 1;
constexpr long kConfigSave = 3;
constexpr long kReboot = 4;
constexpr long kGetAcl = 9;

constexpr size_t kFirmwareVersionMax = 64;

Oid At(const char* text) {
    Oid oid;
    ParseOid(text, oid);
    return oid;
}

// The first line of a firmware image names its version.
std::string FirmwareVersionOf(const std::string& image) {
    std::string line = image.substr(0, image.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line.substr(0, kFirmwareVersionMax);
}

// The name a fetched file is kept under: its last path component.
std::string BaseName(const std::string& file) {
    size_t slash = file.find_last_of("/\\");
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return name.empty() || name == "." || name == ".." ? "unnamed" : name;
}

}  // namespace

Device::Device(ObjectStore& store, DeviceOptions options)
    : store_(store), options_(std::move(options)), bootTick_(os::TickCount()), traffic_(store) {
    // The order in which one SET's commands act: settings first, then what
    // restarts the device, then the transfers, then the scans.
    commands_ = {
        {At(kRemoteApDeleteAll), &Device::DeleteAllRemoteAps},
        {At(kManagerDelete), &Device::DeleteManagerRange},
        {At(kDhcpStaticDelete), &Device::DeleteDhcpStaticRow},
        {At(kPortListRefresh), &Device::RebuildPortList},
        {At(kQosRuleDelete), &Device::DeleteQosRule},
        {At(kDeviceSettingApply), &Device::Apply},
        {At(kDeviceSettingDiscard), &Device::Discard},
        {At(kDeviceFactoryDefault), &Device::FactoryDefault},
        {At(kLanguagePackClear), &Device::ClearLanguagePack},
        {At(kDeviceRestart), &Device::Restart},
        {At(kTftpCommand), &Device::TftpCommand},
        {At(kTftpUpgradeCommand), &Device::UpgradeCommand},
        {At(kSiteSurveyRefresh), &Device::ScanClientSurvey},
        {At(kWdsSiteSurveyRefresh), &Device::ScanWdsSurvey},
        {At(kMacCloneRefresh), &Device::ScanCloneList},
        {At(kClientRefresh), &Device::ScanStations},
        {At(kLogClear), &Device::ClearLog},
        {At(kLogGet), &Device::SendLog},
        {At(kRogueAddToValid), &Device::RogueAddToValid},
        {At(kRogueAddToNeighbor), &Device::RogueAddToNeighbor},
        {At(kRogueAddToRogue), &Device::RogueAddToRogue},
        {At(kRogueAddToNew), &Device::RogueAddToNew},
        {At(kRogueSurveyRefresh), &Device::ScanRogueSurvey},
        {At(kApArrayScan), &Device::ScanApArray},
        {At(kWdsRefresh), &Device::RefreshWdsPeers},
        {At(kWlanClear), &Device::ClearWlanCounters},
        {At(kEthernetClear), &Device::ClearEthernetCounters},
    };
    effects_ = {{At(kMailServerIndex), &Device::LoadMailPreset}};
    logLines_.assign(std::begin(kInitialLog), std::end(kInitialLog));
    for (const char* secret : kSecrets) secrets_.push_back(At(secret));
    for (const char* column : kMssidSecretColumns)
        for (int row = 1; row <= kMssidRows; ++row) secrets_.push_back(At((column + std::to_string(row)).c_str()));
}

Value Device::Read(const ObjectStore::Entry& entry) const {
    static const Oid sysUpTime = At(kSysUpTime);
    if (options_.maskSecrets && IsSecret(entry.def.oid)) {
        Value masked = entry.value;
        masked.octets.assign(entry.value.octets.size(), '*');
        return masked;
    }
    auto found = scanned_.find(entry.def.oid);
    if (found != scanned_.end()) return found->second;
    if (entry.def.oid != sysUpTime) return entry.value;
    Value uptime = entry.value;
    uptime.number = static_cast<long>(((os::TickCount() - bootTick_) / 10) & 0xFFFFFFFFu);
    return uptime;
}

void Device::Commit(const std::vector<Oid>& written) {
    DeleteVlanRows(written);
    for (const Command& command : commands_) {
        if (std::find(written.begin(), written.end(), command.oid) == written.end()) continue;
        ObjectStore::Entry* entry = store_.Find(command.oid);
        if (entry == nullptr) continue;
        long value = entry->value.number;
        entry->value = entry->def.initial;
        if (value != entry->def.initial.number) (this->*command.run)(value);
    }
    for (const Command& effect : effects_) {
        if (std::find(written.begin(), written.end(), effect.oid) == written.end()) continue;
        if (const ObjectStore::Entry* entry = store_.Find(effect.oid)) (this->*effect.run)(entry->value.number);
    }
}

void Device::ScanAll() {
    for (const char* table : {kSiteSurveyTable, kWdsSiteSurveyTable, kMacCloneTable, kStationTable, kWdsTable})
        Scan(table);
    for (const char* table : {kRogueSurveyTable, kApArrayScanTable, kApArrayMemberTable}) Scan(table);
    scanStarted_ = false;  // no SET waits for these
}

int Device::TakeScanHold() {
    if (!std::exchange(scanStarted_, false)) return -1;
    return os::Scaled(options_.scanDelayMs);
}

bool Device::TakeRestartRequest() {
    return std::exchange(restartRequested_, false);
}

bool Device::TakeApplyRequest() {
    return std::exchange(applyRequested_, false);
}

void Device::Boot() {
    bootTick_ = os::TickCount();
    SetLeds(1, Number(kBand) == 1 ? 1 : 0, 1);
}

void Device::Poll() {
    std::optional<TransferResult> result = job_.TakeResult();
    if (!result) return;
    FinishTransfer(*result);
    std::vector<long> waiting = std::exchange(upgradesWaiting_, {});
    for (long value : waiting) RunUpgrade(value);
}

void Device::SetLeds(long wireless24, long wireless5, long lan) {
    SetNumber(kLed24, wireless24);
    SetNumber(kLed5, wireless5);
    SetNumber(kLedLan, lan);
}

std::string Device::ConfigurationText() const {
    std::string text;
    for (const auto& [oid, value] : Settings())
        text += FormatOid(oid) + " " + QuoteToken(FormatValue(value)) + "\n";
    return text;
}

void Device::ActivateSettings() { activated_ = Settings(); }

void Device::Apply(long) {
    ActivateSettings();
    applyRequested_ = true;
}

void Device::Discard(long) {
    store_.Restore(activated_);
    restartRequested_ = true;
}

void Device::FactoryDefault(long) {
    store_.Restore(FactorySettings());
    ActivateSettings();
    restartRequested_ = true;
}

void Device::Restart(long) { restartRequested_ = true; }

void Device::ClearLanguagePack(long) {}  // the device has no language pack to show

void Device::TftpCommand(long value) {
    if (value == kTftpGet) StartTransfer(TransferKind::Get, "get", {});
    else if (value == kTftpPut) StartTransfer(TransferKind::Put, "put", ConfigurationText());
    else if (value == kTftpPutAcl) StartTransfer(TransferKind::Put, "putacl", macAcl_.FileText(store_));
}

void Device::UpgradeCommand(long value) {
    // A reboot does not wait; the others act on the file a running Get brings.
    if (job_.Busy() && value != kReboot) upgradesWaiting_.push_back(value);
    else RunUpgrade(value);
}

void Device::RunUpgrade(long value) {
    switch (value) {
    case kFirmwareUpdate:
        if (!fetched_.empty()) SetText(kFirmwareVersion, FirmwareVersionOf(fetched_));
        break;
    case kConfigSave:
        if (!fetched_.empty()) RestoreConfiguration(fetched_);
        break;
    case kReboot:
        restartRequested_ = true;
        break;
    case kGetAcl:
        // Only a list fetched since the last getacl is taken.
        if (std::exchange(aclFetchFresh_, false)) macAcl_.Adopt(store_, fetched_);
        break;
    default:  // configSetting, certificate and key updates: acknowledged only
        break;
    }
}

void Device::ScanClientSurvey(long) { Scan(kSiteSurveyTable); }

void Device::ScanWdsSurvey(long) { Scan(kWdsSiteSurveyTable); }

void Device::ScanCloneList(long) { Scan(kMacCloneTable); }

void Device::ScanStations(long) { Scan(kStationTable); }
void Device::ScanRogueSurvey(long) { Scan(kRogueSurveyTable); }

// An AP-array scan finds the arrays around and this array's members anew.
void Device::ScanApArray(long) {
    Scan(kApArrayScanTable);
    Scan(kApArrayMemberTable);
}

void Device::RogueAddToValid(long index) { ClassifyRogueAp(index, kRogueValid); }

void Device::RogueAddToNeighbor(long index) { ClassifyRogueAp(index, kRogueNeighborhood); }

void Device::RogueAddToRogue(long index) { ClassifyRogueAp(index, kRogueRogue); }

void Device::RogueAddToNew(long index) { ClassifyRogueAp(index, kRogueNew); }

// The device remembers the type it gives an access point: the next scan finds
// it so, and reads of the last scan's rows show it at once. An index the
// survey does not hold changes nothing.
void Device::ClassifyRogueAp(long index, long type) {
    Oid cell = At(kRogueSurveyType);
    cell.push_back(static_cast<uint32_t>(index));
    ObjectStore::Entry* entry = store_.Find(cell);
    if (entry == nullptr) return;
    entry->value.number = type;
    auto scanned = scanned_.find(cell);
    if (scanned != scanned_.end()) scanned->second.number = type;
}

void Device::RefreshWdsPeers(long) { Scan(kWdsTable); }

void Device::ClearWlanCounters(long) { traffic_.ClearWlan(); }

void Device::ClearEthernetCounters(long) { traffic_.ClearEthernet(); }

// A scan finds what the object data says at this moment (a test changes it
// with the control channel's set); reads show that result until the next
// scan. The SET that started it is answered when the scan is over.
void Device::Scan(const char* table) {
    const Oid root = At(table);
    for (auto it = scanned_.lower_bound(root); it != scanned_.end() && StartsWith(it->first, root);)
        it = scanned_.erase(it);
    for (auto it = store_.Entries().lower_bound(root); it != store_.Entries().end() && StartsWith(it->first, root);
         ++it)
        scanned_.emplace(it->first, it->second.value);
    scanStarted_ = true;
}

void Device::DeleteAllRemoteAps(long) {
    const Oid root = At(kRemoteApAddresses);
    Value none;
    ParseValue(Syntax::Mac, kNoAddress, none);
    for (const auto& [oid, entry] : store_.Entries())
        if (StartsWith(oid, root)) store_.Put(oid, none);
}

// Frees the range row with that index (both addresses 0.0.0.0).
void Device::DeleteManagerRange(long index) {
    Value free;
    ParseValue(Syntax::IpAddress, kFreeRangeAddress, free);
    for (const char* column : {kManagerPoolStart, kManagerPoolEnd}) {
        Oid row = At(column);
        row.push_back(static_cast<uint32_t>(index));
        if (store_.Find(row) != nullptr) store_.Put(row, free);
    }
}

// Empties the static DHCP row with that index: every column takes the value
// of a free row (0, "", 0.0.0.0, twelve zeros).
void Device::DeleteDhcpStaticRow(long index) { EmptyRow(kDhcpStaticTable, index); }

// Empties the QoS rule row with that index, wherever it stands: the rows
// after it stay where they are.
void Device::DeleteQosRule(long index) { EmptyRow(kQosRuleTable, index); }

// Every column of the table's row with that index takes the value of a free
// row: 0, "", 0.0.0.0 or twelve zeros.
void Device::EmptyRow(const char* entryOid, long index) {
    const Oid table = At(entryOid);
    std::vector<std::pair<Oid, Value>> emptied;
    for (const auto& [oid, entry] : store_.Entries()) {
        if (!StartsWith(oid, table) || oid.back() != static_cast<uint32_t>(index)) continue;
        const Syntax syntax = entry.def.syntax;
        const char* none = syntax == Syntax::IpAddress ? "0.0.0.0" : syntax == Syntax::Mac ? kNoAddress
                           : syntax == Syntax::String  ? ""
                                                       : "0";
        Value value;
        if (ParseValue(syntax, none, value)) emptied.emplace_back(oid, value);
    }
    for (const auto& [oid, value] : emptied) store_.Put(oid, value);
}

// Frees every VLAN row whose delete action the SET wrote as 1: VID 0, no
// name, no member port; the action reads 0 again.
void Device::DeleteVlanRows(const std::vector<Oid>& written) {
    Oid deleteColumn = At(kVlanTable);
    deleteColumn.push_back(kVlanDeleteColumn);
    for (const Oid& oid : written) {
        if (oid.size() != deleteColumn.size() + 1 || !StartsWith(oid, deleteColumn)) continue;
        ObjectStore::Entry* action = store_.Find(oid);
        if (action == nullptr || action->value.number != 1) continue;
        action->value.number = 0;
        const uint32_t row = oid.back();
        const Oid table = At(kVlanTable);
        std::vector<std::pair<Oid, Value>> freed;
        for (const auto& [at, entry] : store_.Entries()) {
            if (at.size() != table.size() + 2 || !StartsWith(at, table) || at.back() != row) continue;
            Value value = entry.value;
            value.octets.clear();
            value.number = 0;
            freed.emplace_back(at, value);
        }
        for (const auto& [at, value] : freed) store_.Put(at, value);
    }
}

// Per port, the VIDs of the VLANs that carry it tagged and untagged, in
// table order, joined by ",".
void Device::RebuildPortList(long) {
    const Oid table = At(kVlanTable);
    std::vector<std::string> tagged(kVlanPorts), untagged(kVlanPorts);
    for (const auto& [oid, entry] : store_.Entries()) {
        if (oid.size() != table.size() + 2 || !StartsWith(oid, table) || oid[table.size()] != kVlanVidColumn ||
            entry.value.number == 0)
            continue;
        const std::string vid = std::to_string(entry.value.number);
        for (uint32_t port = 0; port < kVlanPorts; ++port) {
            Oid member = table;
            member.push_back(kVlanFirstPortColumn + port);
            member.push_back(oid.back());
            const ObjectStore::Entry* membership = store_.Find(member);
            if (membership == nullptr) continue;
            std::string* list = membership->value.number == kVlanTagged     ? &tagged[port]
                                : membership->value.number == kVlanUntagged ? &untagged[port]
                                                                           : nullptr;
            if (list != nullptr) *list += (list->empty() ? "" : ",") + vid;
        }
    }
    for (uint32_t port = 0; port < kVlanPorts; ++port) {
        SetText((std::string(kPortListTagVid) + "." + std::to_string(port + 1)).c_str(), tagged[port]);
        SetText((std::string(kPortListUntagVid) + "." + std::to_string(port + 1)).c_str(), untagged[port]);
    }
}

// Sends the log as a file; the SET is answered at once, the upload runs
// beside the agent.
void Device::SendLog(long) { StartTransferTo(kLogServerAddress, kLogFileName, TransferKind::Put, "putlog", LogText()); }

void Device::ClearLog(long) { logLines_.clear(); }

std::string Device::LogText() const {
    std::string text;
    for (const std::string& line : logLines_) text += line + "\n";
    return text;
}

void Device::LoadMailPreset(long preset) {
    for (const MailPreset& p : kMailPresets) {
        if (p.index != preset) continue;
        Value server;
        if (ParseValue(Syntax::IpAddress, p.server, server)) store_.Put(At(kMailServerAddress), server);
        SetNumber(kMailPort, p.port);
        SetNumber(kMailAuthentication, p.authentication);
        SetNumber(kMailSsl, p.ssl);
    }
}

bool Device::IsSecret(const Oid& oid) const {
    return std::find(secrets_.begin(), secrets_.end(), oid) != secrets_.end();
}

void Device::StartTransfer(TransferKind kind, const std::string& operation,
                           const std::string& content) {
    StartTransferTo(kTftpServerAddress, kTftpRemoteFileName, kind, operation, content);
}

void Device::StartTransferTo(const char* serverOid, const char* fileOid, TransferKind kind,
                             const std::string& operation, const std::string& content) {
    TransferRequest request;
    request.kind = kind;
    request.server = {Text(serverOid), options_.tftpPort, os::Scaled(options_.tftpConnectTimeoutMs)};
    request.file = Text(fileOid);
    request.server.stallAfterFirstBlock = tftpFault_ == TftpFault::Stall;
    if (tftpFault_ == TftpFault::WrongName) request.file += ".x";
    request.content = content;
    transfer_ = TransferStatus{"busy", operation, request.file, content.size(), ""};
    if (!job_.Start(std::move(request))) {
        transfer_.state = "failed";
        transfer_.message = "another transfer is running";
    }
}

void Device::FinishTransfer(const TransferResult& result) {
    transfer_.state = result.outcome.ok ? "done" : "failed";
    transfer_.message = result.outcome.message;
    if (!result.outcome.ok || result.request.kind != TransferKind::Get) return;
    fetched_ = result.content;
    aclFetchFresh_ = true;
    transfer_.bytes = fetched_.size();
    std::ofstream(options_.fileFolder + "/" + BaseName(result.request.file), std::ios::binary)
        << fetched_;
}

bool Device::IsCommand(const Oid& oid) const {
    return std::any_of(commands_.begin(), commands_.end(),
                       [&](const Command& command) { return command.oid == oid; });
}

bool Device::IsSetting(const ObjectStore::Entry& entry) const {
    return entry.def.access == Access::ReadWrite && !IsCommand(entry.def.oid);
}

ObjectStore::Values Device::Settings() const {
    ObjectStore::Values settings;
    for (const auto& [oid, entry] : store_.Entries())
        if (IsSetting(entry)) settings.emplace(oid, entry.value);
    return settings;
}

ObjectStore::Values Device::FactorySettings() const {
    ObjectStore::Values settings;
    for (const auto& [oid, entry] : store_.Entries())
        if (IsSetting(entry)) settings.emplace(oid, entry.def.initial);
    return settings;
}

void Device::RestoreConfiguration(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> tokens;
    while (std::getline(lines, line)) {
        Oid oid;
        Value value;
        if (!SplitTokens(line, tokens) || tokens.size() != 2 || !ParseOid(tokens[0], oid)) continue;
        const ObjectStore::Entry* entry = store_.Find(oid);
        if (entry == nullptr || IsCommand(oid) || !ParseValue(entry->def.syntax, tokens[1], value) ||
            CheckSet(entry, value) != SetStatus::NoError)
            continue;
        store_.Put(oid, value);
    }
    ActivateSettings();
}

void Device::SetNumber(const char* oid, long value) {
    if (ObjectStore::Entry* entry = store_.Find(At(oid))) entry->value.number = value;
}

void Device::SetText(const char* oid, const std::string& text) {
    if (ObjectStore::Entry* entry = store_.Find(At(oid))) entry->value.octets = text;
}

long Device::Number(const char* oid) const {
    const ObjectStore::Entry* entry = store_.Find(At(oid));
    return entry ? entry->value.number : 0;
}

std::string Device::Text(const char* oid) const {
    const ObjectStore::Entry* entry = store_.Find(At(oid));
    return entry ? FormatValue(entry->value) : std::string();
}

}  // namespace sim
