#include "library/snmp/value_codec.h"

#include "library/snmp/oid.h"
#include "library/snmp/syntax_index.h"
#include "library/snmp/syntax_value.h"

std::string VkSNMPValueCodec::DeviceValue(const VkSNMPVarItem& entry) const {
    return entry.options != nullptr ? entry.options->TextToValue(entry.value) : entry.value;
}

void VkSNMPValueCodec::SetFromDeviceValue(VkSNMPVarItem& entry, const std::string& value) {
    entry.value = entry.options != nullptr ? entry.options->ValueToText(value) : value;
}

bool VkSNMPValueCodec::IsLastImplied(int item) const {
    return item == vars.keyCount - 1 && vars.IsImpliedIndex(item);
}

void VkSNMPValueCodec::VbToValue(int item, const VkSNMPVarBind& binding) {
    VkSNMPVarItem& entry = *vars.Item(item);
    SetFromDeviceValue(entry, BindingToText(entry.syntax, binding));
}

void VkSNMPValueCodec::ValueToVb(int item, VkSNMPVarBind& binding) {
    const VkSNMPVarItem& entry = *vars.Item(item);
    TextToBinding(entry.syntax, DeviceValue(entry), binding);
}

std::string VkSNMPValueCodec::EncodeIndex(int item) {
    const VkSNMPVarItem& entry = *vars.Item(item);
    return OidToText(EncodeIndexValue(entry.syntax, DeviceValue(entry), IsLastImplied(item)));
}

std::string VkSNMPValueCodec::DecodeIndex(int item, const std::string& suffix) {
    VkSNMPVarItem& entry = *vars.Item(item);
    VkOid subIdentifiers;
    // A suffix that is not dotted decimal holds nothing readable.
    if (!ParseOid(suffix, subIdentifiers)) subIdentifiers.clear();
    std::size_t pos = 0;
    std::string value = DecodeIndexValue(entry.syntax, subIdentifiers, pos, IsLastImplied(item));
    SetFromDeviceValue(entry, value);
    return OidToText(subIdentifiers, pos);
}

bool VkSNMPValueCodec::IsColumnEnd(const std::string& baseOid, const std::string& lastOid,
                                   const std::string& receivedOid) {
    if (vars.kind != MVT_FMV && vars.kind != MVT_UMV) return false;
    std::string prefix = baseOid + ".";
    bool insideColumn = receivedOid.compare(0, prefix.size(), prefix) == 0;
    return !insideColumn || receivedOid == lastOid;
}
