#include "library/snmp/var_list.h"

#include <utility>

#include "library/common/text.h"
#include "platform/os/exception.h"

namespace {

std::optional<std::string> OptionalText(const char* text) {
    if (text == nullptr) return std::nullopt;
    return std::string(text);
}

std::string TextOrEmpty(const std::string* text) { return text != nullptr ? *text : std::string(); }

}  // namespace

VkSNMPVarItem::VkSNMPVarItem(const VkSNMPVarEntry& row)
    : oid(row.oid),
      name(row.name != nullptr ? row.name : ""),
      syntax(row.syntax),
      access(row.access),
      options(row.options),
      readExpression(OptionalText(row.readExpression)),
      writeExpression(OptionalText(row.writeExpression)),
      spare(OptionalText(row.spare)),
      value(TextOrEmpty(row.value)),
      instanceOid(TextOrEmpty(row.instanceOid)) {}

VkSNMPVarList::VkSNMPVarList() = default;

VkSNMPVarList::VkSNMPVarList(const VkSNMPVarEntry* rows, VkSNMPVarListKind kind, int32_t keyCount)
    : keyCount(keyCount), kind(kind) {
    AppendEntries(rows);
}

VkSNMPVarList::VkSNMPVarList(const VkSNMPVarList& other) { CopyFrom(other); }

VkSNMPVarList& VkSNMPVarList::operator=(const VkSNMPVarList& other) {
    CopyFrom(other);
    return *this;
}

void VkSNMPVarList::AppendEntries(const VkSNMPVarEntry* rows) {
    int n = CountVarEntries(rows);
    items_.reserve(items_.size() + n);
    for (int i = 0; i < n; ++i) items_.push_back(std::make_unique<VkSNMPVarItem>(rows[i]));
}

void VkSNMPVarList::Clear() { items_.clear(); }

void VkSNMPVarList::CopyFrom(const VkSNMPVarList& other) {
    // Copied aside first, so that copying a list from itself keeps its items.
    std::vector<std::unique_ptr<VkSNMPVarItem>> copies;
    copies.reserve(other.items_.size());
    for (const auto& item : other.items_) copies.push_back(std::make_unique<VkSNMPVarItem>(*item));
    items_ = std::move(copies);
    kind = other.kind;
    keyCount = other.keyCount;
    description = other.description;
}

void VkSNMPVarList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw os::ListIndexError("List index out of bounds (" + IntToStr(index) + ")");
}

VkSNMPVarItem* VkSNMPVarList::Item(int index) {
    CheckIndex(index);
    return items_[index].get();
}

const VkSNMPVarItem* VkSNMPVarList::Item(int index) const {
    CheckIndex(index);
    return items_[index].get();
}

bool VkSNMPVarList::Has(int i, int32_t bits) const { return (Item(i)->access & bits) != 0; }

bool VkSNMPVarList::IsTableKind() const { return kind == MVT_FMV || kind == MVT_UMV; }

bool VkSNMPVarList::IsImpliedIndex(int i) const { return Has(i, VkSNMPAccess::implied); }

bool VkSNMPVarList::IsRequested(int i) const {
    return !Has(i, VkSNMPAccess::invalid) && Has(i, VkSNMPAccess::readonly);
}

bool VkSNMPVarList::IsWritable(int i) const {
    if (Has(i, VkSNMPAccess::invalid)) return false;
    return Has(i, VkSNMPAccess::writeonly) || (IsTableKind() && i < keyCount);
}

bool VkSNMPVarList::IsShownColumn(int i) const {
    using namespace VkSNMPAccess;
    return !Has(i, invalid | hidden) && Has(i, notaccess | readonly | derived);
}

bool VkSNMPVarList::IsHiddenColumn(int i) const {
    using namespace VkSNMPAccess;
    return Item(i)->access == writeonly || Has(i, invalid | hidden);
}

bool VkSNMPVarList::IsHidden(int i) const { return Has(i, VkSNMPAccess::hidden); }

void VkSNMPVarList::SetHidden(int i, bool hidden) {
    if (hidden)
        Item(i)->access |= VkSNMPAccess::hidden;
    else
        Item(i)->access &= ~VkSNMPAccess::hidden;
}

int VkSNMPVarList::ShownColumnCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += IsShownColumn(i) ? 1 : 0;
    return n;
}

int VkSNMPVarList::HiddenColumnCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += IsHiddenColumn(i) ? 1 : 0;
    return n;
}
