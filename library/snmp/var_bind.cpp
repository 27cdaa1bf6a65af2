#include "library/snmp/var_bind.h"

bool VkSNMPVarBind::HasValue() const {
    switch (type_) {
    case VkAsnType::null:
    case VkAsnType::noSuchObject:
    case VkAsnType::noSuchInstance:
    case VkAsnType::endOfMibView:
        return false;
    default:
        return true;
    }
}

bool VkSNMPVarBind::IsNumber32() const {
    return type_ == VkAsnType::integer || type_ == VkAsnType::counter32 ||
           type_ == VkAsnType::gauge32 || type_ == VkAsnType::timeTicks;
}

bool VkSNMPVarBind::IsOctets() const {
    return type_ == VkAsnType::octetString || type_ == VkAsnType::opaque;
}

void VkSNMPVarBind::Reset(VkAsnType type) {
    type_ = type;
    integer_ = 0;
    unsigned_ = 0;
    counter64_ = 0;
    octets_.clear();
    objectId_.clear();
}

void VkSNMPVarBind::SetNull() { Reset(VkAsnType::null); }

void VkSNMPVarBind::SetException(VkAsnType exception) {
    bool isException = exception == VkAsnType::noSuchObject ||
                       exception == VkAsnType::noSuchInstance ||
                       exception == VkAsnType::endOfMibView;
    Reset(isException ? exception : VkAsnType::null);
}

void VkSNMPVarBind::SetInteger(int32_t value) {
    Reset(VkAsnType::integer);
    integer_ = value;
}

void VkSNMPVarBind::SetUnsigned(VkAsnType type, uint32_t value) {
    bool isUnsigned = type == VkAsnType::counter32 || type == VkAsnType::gauge32 ||
                      type == VkAsnType::timeTicks;
    Reset(isUnsigned ? type : VkAsnType::gauge32);
    unsigned_ = value;
}

void VkSNMPVarBind::SetCounter64(uint64_t value) {
    Reset(VkAsnType::counter64);
    counter64_ = value;
}

void VkSNMPVarBind::SetOctets(VkAsnType type, const std::string& octets) {
    Reset(type == VkAsnType::opaque ? VkAsnType::opaque : VkAsnType::octetString);
    octets_ = octets;
}

void VkSNMPVarBind::SetIpAddress(const std::string& octets) {
    Reset(VkAsnType::ipAddress);
    octets_ = octets;
}

void VkSNMPVarBind::SetObjectId(const VkOid& value) {
    Reset(VkAsnType::objectId);
    objectId_ = value;
}
