#include "sim/schedule_rules.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

namespace sim {

namespace {

constexpr char kAction[] = "E.3.10.1.2.7.0";
constexpr char kName[] = "E.3.10.1.2.1.0";
constexpr char kDays[] = "E.3.10.1.2.2.0";
constexpr char kAllDay[] = "E.3.10.1.2.3.0";
constexpr char kStart[] = "E.3.10.1.2.4.0";
constexpr char kEnd[] = "E.3.10.1.2.5.0";
constexpr char kSsidIndex[] = "E.3.10.1.2.8.0";
constexpr char kNodeStatus[] = "E.3.10.1.2.9.0";
constexpr char kOvernight[] = "E.3.10.1.2.10.0";
constexpr char kList[] = "E.3.10.2.1.1";
// The multi-SSID table's names: ifIndex 1, SSID index 1..8.
constexpr char kSsidNames[] = "E.3.3.3.1.3.1";

// The list's columns.
enum Column : unsigned { Name = 2, Days, TimeFrame, Wireless, SsidIndex, Ssid, NodeStatus, Overnight };
constexpr unsigned kFirstColumn = Name;
constexpr unsigned kLastColumn = Overnight;

constexpr long kDelete = 0;
constexpr long kAdd = 1;
constexpr long kOn = 1;

const char* const kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

Oid At(const std::string& text) {
    Oid oid;
    ParseOid(text, oid);
    return oid;
}

Oid Cell(unsigned column, uint32_t row) {
    Oid oid = At(kList);
    oid.push_back(column);
    oid.push_back(row);
    return oid;
}

bool Written(const std::vector<Oid>& written, const char* oid) {
    return std::find(written.begin(), written.end(), At(oid)) != written.end();
}

// What the SET wrote into a scalar; empty (0, no text) when it did not write it.
Value Scalar(const ObjectStore& store, const std::vector<Oid>& written, const char* oid) {
    const ObjectStore::Entry* entry = store.Find(At(oid));
    if (entry != nullptr && Written(written, oid)) return entry->value;
    Value empty;
    empty.syntax = entry != nullptr ? entry->def.syntax : Syntax::Integer;
    return empty;
}

Value Number(long number) {
    Value value;
    value.number = number;
    return value;
}

Value Text(const std::string& text) {
    Value value;
    value.syntax = Syntax::String;
    value.octets = text;
    return value;
}

// "H:MM" or "HH:MM" as minutes of the day; -1 when it is not a time.
int MinuteOfDay(const std::string& text) {
    unsigned hour = 0;
    unsigned minute = 0;
    int used = 0;
    const size_t colon = text.find(':');
    if (colon == std::string::npos || colon < 1 || colon > 2 || text.size() != colon + 3) return -1;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c == ':' || (c >= '0' && c <= '9'); })) return -1;
    if (std::sscanf(text.c_str(), "%u:%u%n", &hour, &minute, &used) != 2 || used != static_cast<int>(text.size()))
        return -1;
    if (hour > 23 || minute > 59) return -1;
    return static_cast<int>(hour * 60 + minute);
}

std::string TimeText(int minuteOfDay) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", minuteOfDay / 60, minuteOfDay % 60);
    return text;
}

std::string DaysText(long mask) {
    if (mask == 0) return "All Week";
    std::string text;
    for (int day = 0; day < 7; ++day)
        if (mask & (1L << day)) text += (text.empty() ? "" : ",") + std::string(kDayNames[day]);
    return text;
}

struct Rule {
    std::map<unsigned, Value> cells;  // by column
};

std::vector<uint32_t> Rows(const ObjectStore& store) {
    std::vector<uint32_t> rows;
    Oid prefix = At(kList);
    prefix.push_back(Name);
    for (auto it = store.Entries().lower_bound(prefix); it != store.Entries().end() && StartsWith(it->first, prefix);
         ++it)
        rows.push_back(it->first.back());
    return rows;
}

const Value* CellValue(const ObjectStore& store, unsigned column, uint32_t row) {
    const ObjectStore::Entry* entry = store.Find(Cell(column, row));
    return entry != nullptr ? &entry->value : nullptr;
}

bool IsFree(const ObjectStore& store, uint32_t row) {
    const Value* name = CellValue(store, Name, row);
    return name == nullptr || name->octets.empty();
}

Rule FreeRule(const ObjectStore& store, uint32_t row) {
    Rule rule;
    for (unsigned column = kFirstColumn; column <= kLastColumn; ++column) {
        const ObjectStore::Entry* entry = store.Find(Cell(column, row));
        Value empty;
        empty.syntax = entry != nullptr ? entry->def.syntax : Syntax::Integer;
        rule.cells[column] = empty;
    }
    return rule;
}

Rule RuleAt(const ObjectStore& store, uint32_t row) {
    Rule rule;
    for (unsigned column = kFirstColumn; column <= kLastColumn; ++column)
        if (const Value* value = CellValue(store, column, row)) rule.cells[column] = *value;
    return rule;
}

void PutRule(ObjectStore& store, uint32_t row, const Rule& rule) {
    for (const auto& [column, value] : rule.cells)
        if (store.Find(Cell(column, row)) != nullptr) store.Put(Cell(column, row), value);
}

// The rule the scalars describe; false when it is not a valid rule.
bool NewRule(const ObjectStore& store, const std::vector<Oid>& written, Rule& rule) {
    const std::string name = Scalar(store, written, kName).octets;
    const long index = Scalar(store, written, kSsidIndex).number;
    const bool allDay = Scalar(store, written, kAllDay).number == kOn;
    const bool overnight = !allDay && Scalar(store, written, kOvernight).number == kOn;
    if (name.empty() || index < 0 || index > 7) return false;
    std::string frame = "All Day(s)";
    if (!allDay) {
        const int start = MinuteOfDay(Scalar(store, written, kStart).octets);
        const int end = MinuteOfDay(Scalar(store, written, kEnd).octets);
        if (start < 0 || end < 0 || start == end) return false;
        frame = TimeText(start) + "-" + TimeText(end);
    }
    const ObjectStore::Entry* ssid = store.Find(At(std::string(kSsidNames) + "." + std::to_string(index + 1)));
    rule.cells[Name] = Text(name);
    rule.cells[Days] = Text(DaysText(Scalar(store, written, kDays).number));
    rule.cells[TimeFrame] = Text(frame);
    rule.cells[Wireless] = Number(kOn);
    rule.cells[SsidIndex] = Number(index);
    rule.cells[Ssid] = Text(ssid != nullptr ? ssid->value.octets : std::string());
    rule.cells[NodeStatus] = Number(Scalar(store, written, kNodeStatus).number == kOn ? 1 : 0);
    rule.cells[Overnight] = Number(overnight ? 1 : 0);
    return true;
}

ActionResult Add(ObjectStore& store, const std::vector<Oid>& written, const std::vector<uint32_t>& rows) {
    Rule rule;
    if (!NewRule(store, written, rule)) return ActionResult::Invalid;
    for (uint32_t row : rows)
        if (!IsFree(store, row) && CellValue(store, SsidIndex, row)->number == rule.cells[SsidIndex].number)
            return ActionResult::Duplicate;
    for (uint32_t row : rows) {
        if (!IsFree(store, row)) continue;
        PutRule(store, row, rule);
        return ActionResult::Done;
    }
    return ActionResult::Full;
}

// Removes the rule with the written name and SSID index and moves the rules
// after it up one row.
ActionResult Delete(ObjectStore& store, const std::vector<Oid>& written, const std::vector<uint32_t>& rows) {
    const std::string name = Scalar(store, written, kName).octets;
    const long index = Scalar(store, written, kSsidIndex).number;
    auto found = std::find_if(rows.begin(), rows.end(), [&](uint32_t row) {
        return !IsFree(store, row) && CellValue(store, Name, row)->octets == name &&
               CellValue(store, SsidIndex, row)->number == index;
    });
    if (found == rows.end()) return ActionResult::NotFound;
    for (auto row = found; row + 1 != rows.end(); ++row) PutRule(store, *row, RuleAt(store, *(row + 1)));
    PutRule(store, rows.back(), FreeRule(store, rows.back()));
    return ActionResult::Done;
}

}  // namespace

ActionResult ScheduleRules::Run(ObjectStore& store, const std::vector<Oid>& written, Oid& failed) const {
    const ObjectStore::Entry* action = store.Find(At(kAction));
    const std::vector<uint32_t> rows = Rows(store);
    if (action == nullptr || rows.empty() || !Written(written, kAction)) return ActionResult::Done;
    ActionResult result = ActionResult::Done;
    if (action->value.number == kAdd) result = Add(store, written, rows);
    if (action->value.number == kDelete) result = Delete(store, written, rows);
    if (result != ActionResult::Done) failed = action->def.oid;
    return result;
}

}  // namespace sim
