#include "library/snmp/netsnmp_var_bind.h"

#include <gtest/gtest.h>

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <string>
#include <vector>

namespace {

const VkOid kName = {1, 3, 6, 1, 4, 1, 32473, 10, 37, 44, 1, 0};

VkSNMPVarBind Named(VkSNMPVarBind binding) {
    binding.oid = kName;
    return binding;
}

VkSNMPVarBind Null() { return Named(VkSNMPVarBind()); }
VkSNMPVarBind Exception(VkAsnType type) {
    VkSNMPVarBind b;
    b.SetException(type);
    return Named(b);
}
VkSNMPVarBind Integer(int32_t value) {
    VkSNMPVarBind b;
    b.SetInteger(value);
    return Named(b);
}
VkSNMPVarBind Unsigned(VkAsnType type, uint32_t value) {
    VkSNMPVarBind b;
    b.SetUnsigned(type, value);
    return Named(b);
}
VkSNMPVarBind Counter64(uint64_t value) {
    VkSNMPVarBind b;
    b.SetCounter64(value);
    return Named(b);
}
VkSNMPVarBind Octets(VkAsnType type, const std::string& octets) {
    VkSNMPVarBind b;
    b.SetOctets(type, octets);
    return Named(b);
}
VkSNMPVarBind Address(const std::string& octets) {
    VkSNMPVarBind b;
    b.SetIpAddress(octets);
    return Named(b);
}
VkSNMPVarBind ObjectId(const VkOid& value) {
    VkSNMPVarBind b;
    b.SetObjectId(value);
    return Named(b);
}

void ExpectSame(const VkSNMPVarBind& expected, const VkSNMPVarBind& actual) {
    EXPECT_EQ(actual.oid, expected.oid);
    EXPECT_EQ(actual.Type(), expected.Type());
    EXPECT_EQ(actual.Integer(), expected.Integer());
    EXPECT_EQ(actual.Unsigned(), expected.Unsigned());
    EXPECT_EQ(actual.Counter64(), expected.Counter64());
    EXPECT_EQ(actual.Octets(), expected.Octets());
    EXPECT_EQ(actual.ObjectId(), expected.ObjectId());
}

// One binding of every type, with values at the edges of their ranges.
std::vector<VkSNMPVarBind> EveryType() {
    return {
        Null(),
        Exception(VkAsnType::noSuchObject),
        Exception(VkAsnType::noSuchInstance),
        Exception(VkAsnType::endOfMibView),
        Integer(INT32_MIN),
        Integer(-1),
        Integer(INT32_MAX),
        Unsigned(VkAsnType::counter32, UINT32_MAX),
        Unsigned(VkAsnType::gauge32, 3000000000u),
        Unsigned(VkAsnType::timeTicks, 8640001),
        Counter64(0xFEDCBA9876543210ull),
        Counter64(UINT64_MAX),
        Octets(VkAsnType::octetString, std::string("\x00\x1a\x2b\x3c\x4d\x5e", 6)),
        Octets(VkAsnType::octetString, ""),
        Octets(VkAsnType::opaque, std::string("\x01\x00\xff", 3)),
        Address(std::string("\xc0\xa8\x00\xfe", 4)),
        ObjectId({1, 3, 6, 1, 4294967295u}),
    };
}

struct PduDeleter {
    void operator()(netsnmp_pdu* pdu) const { snmp_free_pdu(pdu); }
};
using Pdu = std::unique_ptr<netsnmp_pdu, PduDeleter>;

std::vector<VkSNMPVarBind> ReadAll(const netsnmp_variable_list* list) {
    std::vector<VkSNMPVarBind> result;
    for (; list != nullptr; list = list->next_variable) result.push_back(VarBindFromNetsnmp(*list));
    return result;
}

}  // namespace

TEST(NetsnmpVarBind, EveryTypeSurvivesTheTripThroughNetsnmpsList) {
    netsnmp_variable_list* list = nullptr;
    std::vector<VkSNMPVarBind> sent = EveryType();
    for (const VkSNMPVarBind& binding : sent) ASSERT_TRUE(AppendVarBindToNetsnmp(&list, binding));
    std::vector<VkSNMPVarBind> read = ReadAll(list);
    snmp_free_varbind(list);
    ASSERT_EQ(read.size(), sent.size());
    for (std::size_t i = 0; i < sent.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSame(sent[i], read[i]);
    }
}

TEST(NetsnmpVarBind, EveryTypeSurvivesEncodingAndParsingAPdu) {
    Pdu pdu(snmp_pdu_create(SNMP_MSG_RESPONSE));
    pdu->version = SNMP_VERSION_2c;
    std::vector<VkSNMPVarBind> sent = EveryType();
    for (const VkSNMPVarBind& binding : sent)
        ASSERT_TRUE(AppendVarBindToNetsnmp(&pdu->variables, binding));

    u_char wire[4096];
    size_t left = sizeof wire;
    ASSERT_NE(snmp_pdu_build(pdu.get(), wire, &left), nullptr);
    size_t length = sizeof wire - left;
    Pdu parsed(static_cast<netsnmp_pdu*>(calloc(1, sizeof(netsnmp_pdu))));
    parsed->version = SNMP_VERSION_2c;
    ASSERT_EQ(snmp_pdu_parse(parsed.get(), wire, &length), 0);

    std::vector<VkSNMPVarBind> read = ReadAll(parsed->variables);
    ASSERT_EQ(read.size(), sent.size());
    for (std::size_t i = 0; i < sent.size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSame(sent[i], read[i]);
    }
}

TEST(NetsnmpVarBind, BindingsThatCannotBeSentAreRefused) {
    VkSNMPVarBind noName = Integer(1);
    noName.oid.clear();
    VkSNMPVarBind longName = Integer(1);
    longName.oid.assign(kMaxOidLength + 1, 1);
    const VkSNMPVarBind refused[] = {noName, longName, Address("\x7f\x00\x01"), Address("")};
    for (const VkSNMPVarBind& binding : refused) {
        netsnmp_variable_list* list = nullptr;
        EXPECT_FALSE(AppendVarBindToNetsnmp(&list, binding));
        EXPECT_EQ(list, nullptr);
    }
    EXPECT_FALSE(AppendVarBindToNetsnmp(nullptr, Integer(1)));
}

TEST(NetsnmpVarBind, NetsnmpTypesWithoutAnOwnTypeReadAsTheirNeighbours) {
    oid name[] = {1, 3, 6, 1, 9};
    long number = 77;
    const char bits[] = "\x80\x01";
    netsnmp_variable_list* list = nullptr;
    snmp_varlist_add_variable(&list, name, 5, ASN_UINTEGER, &number, sizeof number);
    snmp_varlist_add_variable(&list, name, 5, ASN_BIT_STR, bits, 2);
    snmp_varlist_add_variable(&list, name, 5, ASN_NULL, nullptr, 0);
    std::vector<VkSNMPVarBind> read = ReadAll(list);
    snmp_free_varbind(list);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].Type(), VkAsnType::gauge32);
    EXPECT_EQ(read[0].Unsigned(), 77u);
    EXPECT_EQ(read[1].Type(), VkAsnType::octetString);
    EXPECT_EQ(read[1].Octets(), std::string("\x80\x01", 2));
    EXPECT_EQ(read[2].Type(), VkAsnType::null);
    EXPECT_EQ(read[0].oid, (VkOid{1, 3, 6, 1, 9}));
}

// A binding whose value holds fewer bytes than its type needs, or whose type
// is unknown, reads as null instead of reading what the value never filled.
TEST(NetsnmpVarBind, MalformedReceivedBindingsReadAsNull) {
    long number = 5;
    struct counter64 wide = {1, 2};
    u_char octets[4] = {1, 2, 3, 4};
    struct Case {
        u_char type;
        void* value;
        size_t length;
    };
    const Case cases[] = {
        {ASN_INTEGER, &number, 4},          {ASN_INTEGER, nullptr, sizeof(long)},
        {ASN_COUNTER, &number, 2},          {ASN_TIMETICKS, &number, 0},
        {ASN_COUNTER64, &wide, 4},          {ASN_COUNTER64, nullptr, sizeof wide},
        {ASN_OBJECT_ID, nullptr, 16},       {0x99, octets, 4},
        {ASN_OPAQUE_FLOAT, octets, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type));
        netsnmp_variable_list received{};
        received.type = c.type;
        received.val.string = static_cast<u_char*>(c.value);
        received.val_len = c.length;
        VkSNMPVarBind binding = VarBindFromNetsnmp(received);
        EXPECT_EQ(binding.Type(), VkAsnType::null);
        EXPECT_FALSE(binding.HasValue());
        EXPECT_TRUE(binding.oid.empty());
    }
}
