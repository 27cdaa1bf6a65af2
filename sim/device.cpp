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
    : store_(store), options_(std::move(options)), bootTick_(os::TickCount()) {
    // The order in which one SET's commands act: settings first, then what
    // restarts the device, then the transfers, then the scans.
    commands_ = {
        {At(kRemoteApDeleteAll), &Device::DeleteAllRemoteAps},
        {At(kManagerDelete), &Device::DeleteManagerRange},
        {At(kDhcpStaticDelete), &Device::DeleteDhcpStaticRow},
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
    };
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
    for (const Command& command : commands_) {
        if (std::find(written.begin(), written.end(), command.oid) == written.end()) continue;
        ObjectStore::Entry* entry = store_.Find(command.oid);
        if (entry == nullptr) continue;
        long value = entry->value.number;
        entry->value = entry->def.initial;
        if (value != entry->def.initial.number) (this->*command.run)(value);
    }
}

void Device::ScanAll() {
    for (const char* table : {kSiteSurveyTable, kWdsSiteSurveyTable, kMacCloneTable}) Scan(table);
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
    else if (value == kTftpPutAcl) StartTransfer(TransferKind::Put, "putacl", acl_);
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
        acl_ = fetched_;
        break;
    default:  // configSetting, certificate and key updates: acknowledged only
        break;
    }
}

void Device::ScanClientSurvey(long) { Scan(kSiteSurveyTable); }

void Device::ScanWdsSurvey(long) { Scan(kWdsSiteSurveyTable); }

void Device::ScanCloneList(long) { Scan(kMacCloneTable); }

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

bool Device::IsSecret(const Oid& oid) const {
    return std::find(secrets_.begin(), secrets_.end(), oid) != secrets_.end();
}

void Device::StartTransfer(TransferKind kind, const std::string& operation,
                           const std::string& content) {
    TransferRequest request;
    request.kind = kind;
    request.server = {Text(kTftpServerAddress), options_.tftpPort,
                      os::Scaled(options_.tftpConnectTimeoutMs)};
    request.file = Text(kTftpRemoteFileName);
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
