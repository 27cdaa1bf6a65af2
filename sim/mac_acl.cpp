#include "sim/mac_acl.h"

#include <algorithm>
#include <sstream>

#include "sim/value.h"

namespace sim {

namespace {

constexpr char kAdd[] = "E.2.1.3.3.2.3.2.1.2.1";
constexpr char kDelete[] = "E.2.1.3.3.2.3.2.1.3.1";
constexpr char kListColumn[] = "E.2.1.3.3.2.3.3.1.2";
constexpr char kNoMac[] = "000000000000";

Oid At(const char* text) {
    Oid oid;
    ParseOid(text, oid);
    return oid;
}

Value NoMac() {
    Value none;
    ParseValue(Syntax::Mac, kNoMac, none);
    return none;
}

// The list's rows in order.
std::vector<ObjectStore::Entry*> Rows(ObjectStore& store) {
    const Oid column = At(kListColumn);
    std::vector<ObjectStore::Entry*> rows;
    for (const auto& [oid, entry] : store.Entries())
        if (oid.size() == column.size() + 1 && StartsWith(oid, column)) rows.push_back(store.Find(oid));
    return rows;
}

bool Written(const std::vector<Oid>& written, const Oid& oid) {
    return std::find(written.begin(), written.end(), oid) != written.end();
}

}  // namespace

ActionResult MacAcl::Run(ObjectStore& store, const std::vector<Oid>& written, Oid& failed) const {
    for (const char* action : {kAdd, kDelete}) {
        const Oid oid = At(action);
        ObjectStore::Entry* entry = store.Find(oid);
        if (entry == nullptr || !Written(written, oid)) continue;
        const Value mac = entry->value;
        const ActionResult result = action == kAdd ? Add(store, mac) : Delete(store, mac);
        if (result != ActionResult::Done) {
            failed = oid;
            return result;
        }
        entry->value = NoMac();
    }
    return ActionResult::Done;
}

ActionResult MacAcl::Add(ObjectStore& store, const Value& mac) const {
    const Value none = NoMac();
    std::vector<ObjectStore::Entry*> rows = Rows(store);
    if (mac == none) return ActionResult::NotFound;
    for (const ObjectStore::Entry* row : rows)
        if (row->value == mac) return ActionResult::Duplicate;
    for (ObjectStore::Entry* row : rows) {
        if (row->value != none) continue;
        row->value = mac;
        return ActionResult::Done;
    }
    return ActionResult::Full;
}

ActionResult MacAcl::Delete(ObjectStore& store, const Value& mac) const {
    const Value none = NoMac();
    for (ObjectStore::Entry* row : Rows(store)) {
        if (mac == none || row->value != mac) continue;
        row->value = none;
        return ActionResult::Done;
    }
    return ActionResult::NotFound;
}

std::string MacAcl::FileText(const ObjectStore& store) const {
    std::string text;
    const Value none = NoMac();
    const Oid column = At(kListColumn);
    for (const auto& [oid, row] : store.Entries())
        if (oid.size() == column.size() + 1 && StartsWith(oid, column) && row.value != none)
            text += FormatValue(row.value) + "\n";
    return text;
}

bool MacAcl::Adopt(ObjectStore& store, const std::string& text) const {
    std::vector<ObjectStore::Entry*> rows = Rows(store);
    std::vector<Value> macs;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        Value mac;
        if (line.size() != 12 || !ParseValue(Syntax::Mac, line, mac) || mac == NoMac()) return false;
        if (std::find(macs.begin(), macs.end(), mac) != macs.end()) return false;
        macs.push_back(mac);
    }
    if (macs.size() > rows.size()) return false;
    for (size_t row = 0; row < rows.size(); ++row) rows[row]->value = row < macs.size() ? macs[row] : NoMac();
    return true;
}

}  // namespace sim
