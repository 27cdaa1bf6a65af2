// Received bindings to value texts (VbToValue) and value texts to the
// bindings sent (ValueToVb), syntax by syntax, with option lists.

#include "library/snmp/value_codec.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "library/common/day_count.h"
#include "library/snmp/number_text.h"
#include "platform/os/exception.h"

namespace {

using namespace VkSNMPSyntax;

const VkOptionEntry kStatusRows[] = {{0, "Disable"}, {1, "Enable"}, {}};
const VkOptionList OptStatus(kStatusRows, OPT_INT, false);

const VkSNMPVarEntry VarsOne[] = {{"1.3.6.1.9.1", "sample", integer, VkSNMPAccess::readwrite}, {}};

// A codec whose list holds one item of the given syntax and option list.
struct OneItem {
    OneItem(int syntax, const VkOptionList* options = nullptr) {
        codec.vars = VkSNMPVarList(VarsOne, SVT_SV, 0);
        codec.vars.Item(0)->syntax = syntax;
        codec.vars.Item(0)->options = options;
    }
    std::string Read(const VkSNMPVarBind& binding) {
        codec.VbToValue(0, binding);
        return codec.vars.Item(0)->value;
    }
    VkSNMPVarBind Write(const std::string& value) {
        codec.vars.Item(0)->value = value;
        VkSNMPVarBind binding;
        binding.oid = {1, 3, 6, 1, 9, 1, 0};
        binding.SetInteger(99);  // overwritten
        codec.ValueToVb(0, binding);
        EXPECT_EQ(binding.oid, (VkOid{1, 3, 6, 1, 9, 1, 0}));
        return binding;
    }
    VkSNMPValueCodec codec;
};

VkSNMPVarBind Null() { return VkSNMPVarBind(); }
VkSNMPVarBind Exception(VkAsnType type) {
    VkSNMPVarBind b;
    b.SetException(type);
    return b;
}
VkSNMPVarBind Integer(int32_t value) {
    VkSNMPVarBind b;
    b.SetInteger(value);
    return b;
}
VkSNMPVarBind Unsigned(VkAsnType type, uint32_t value) {
    VkSNMPVarBind b;
    b.SetUnsigned(type, value);
    return b;
}
VkSNMPVarBind Counter64(uint64_t value) {
    VkSNMPVarBind b;
    b.SetCounter64(value);
    return b;
}
VkSNMPVarBind Octets(const std::string& octets, VkAsnType type = VkAsnType::octetString) {
    VkSNMPVarBind b;
    b.SetOctets(type, octets);
    return b;
}
VkSNMPVarBind Address(const std::string& octets) {
    VkSNMPVarBind b;
    b.SetIpAddress(octets);
    return b;
}
VkSNMPVarBind ObjectId(const VkOid& value) {
    VkSNMPVarBind b;
    b.SetObjectId(value);
    return b;
}

const std::string kDateAndTime("\x07\xd4\x05\x1a\x0d\x1e\x0f\x00\x2b\x08\x00", 11);
const double kNoonIn2004 = DayCount(2004, 5, 26, 13, 30, 15);

int RaisedCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const os::Exception& e) {
        return e.HelpContext();
    }
    return 0;
}

struct ReadCase {
    int syntax;
    VkSNMPVarBind binding;
    const char* text;
};

const ReadCase kReadCases[] = {
    {boolean, Integer(0), "false"},
    {boolean, Integer(-3), "true"},
    {boolean, Exception(VkAsnType::noSuchInstance), "(NULL)"},
    {integer, Integer(-5), "-5"},
    {integer, Integer(INT32_MIN), "-2147483648"},
    {integer, Unsigned(VkAsnType::gauge32, 3000000000u), "3000000000"},
    {integer, Exception(VkAsnType::noSuchInstance), "(NULL)"},
    {integer, Exception(VkAsnType::noSuchObject), "(NULL)"},
    {integer, Exception(VkAsnType::endOfMibView), "(NULL)"},
    {integer, Null(), "(NULL)"},
    {integer, Octets("12"), "(NULL)"},  // another type: no value, nothing made up
    {integer, Counter64(5), "(NULL)"},
    {octetstr, Octets(std::string("\x0a\xff", 2)), "0AFF"},
    {octetstr, Octets(""), ""},
    {octetstr, Exception(VkAsnType::noSuchInstance), ""},
    {octetstr, Integer(5), ""},
    {bitstr, Octets(std::string("\x80\x01", 2)), "8001"},
    {opaque, Octets(std::string("\x01\x02", 2), VkAsnType::opaque), "0102"},
    {macaddress, Octets(std::string("\x00\x1a\x2b\x3c\x4d\x5e", 6)), "001A2B3C4D5E"},
    {macaddress, Null(), ""},
    {null, Integer(5), "(NULL)"},
    {objectid, ObjectId({1, 3, 6, 1, 4294967295u}), "1.3.6.1.4294967295"},
    {objectid, ObjectId({}), "(NULL)"},
    {objectid, Octets("1.3"), "(NULL)"},
    {ipaddress, Address(std::string("\xc0\xa8\x00\xfe", 4)), "192.168.0.254"},
    {ipaddress, Address(std::string("\xc0\xa8\x00", 3)), "(NULL)"},
    {ipaddress, Octets(std::string("\x0a\x00\x00\x01", 4)), "10.0.0.1"},
    {ipaddress, Integer(1), "(NULL)"},
    {nsapaddr, Address(std::string("\x7f\x00\x00\x01", 4)), "127.0.0.1"},
    {counter, Unsigned(VkAsnType::counter32, UINT32_MAX), "4294967295"},
    {counter, Integer(-1), "4294967295"},
    {guage, Unsigned(VkAsnType::gauge32, 3000000000u), "3000000000"},
    {uinteger, Unsigned(VkAsnType::gauge32, 7), "7"},
    {uinteger, Exception(VkAsnType::noSuchObject), "(NULL)"},
    {timeticks, Unsigned(VkAsnType::timeTicks, 8640000), "1 day 0:00:00.00"},
    {timeticks, Unsigned(VkAsnType::timeTicks, 17280001), "2 days, 0:00:00.01"},
    {counter64, Counter64(UINT64_MAX), "18446744073709551615"},
    {counter64, Unsigned(VkAsnType::counter32, 7), "7"},
    {counter64, Octets("x"), "(NULL)"},
    {double_, Octets(DoubleToOctets(2.5)), "2.5"},
    {double_, Octets(DoubleToOctets(2.5).substr(0, 7)), "(NULL)"},
    {datetime, Octets(kDateAndTime), "2004-5-26,13:30:15.0,+8:0"},
    {datetime, Octets(kDateAndTime.substr(0, 8)), "2004-5-26,13:30:15.0"},
    {datetime, Octets(kDateAndTime.substr(0, 3)), "2004-5-0,0:0:0.0"},
    {datetime, Octets(""), "(NULL)"},
    {bcdatetime, Octets(DoubleToOctets(kNoonIn2004)), "2004/05/26 01:30:15 pm"},
    {bcdatetime, Octets("1234"), "(NULL)"},
    {displaystr, Octets(std::string("abc\0def", 7)), "abc"},
    {displaystr, Octets(std::string("\0abc", 4)), ""},
    {displaystr, Exception(VkAsnType::noSuchObject), ""},
    {displaystr, Integer(5), ""},
};

struct WriteCase {
    int syntax;
    const char* text;
    VkSNMPVarBind binding;
};

const WriteCase kWriteCases[] = {
    {boolean, "true", Integer(1)},
    {boolean, "TRUE", Integer(0)},
    {boolean, "false", Integer(0)},
    {integer, " -17x", Integer(-17)},
    {integer, "abc", Integer(0)},
    {integer, "9999999999", Integer(INT32_MAX)},
    {octetstr, "a ff", Octets(std::string("\x0a\xff", 2))},
    {octetstr, "", Octets("")},
    {bitstr, "ABC", Octets(std::string("\x0a\xbc", 2))},
    {opaque, "ZZ", Octets(std::string("\x00", 1))},
    {macaddress, "001A2B3C4D5E", Octets(std::string("\x00\x1a\x2b\x3c\x4d\x5e", 6))},
    {null, "5", Null()},
    {objectid, "1.3.6.1", ObjectId({1, 3, 6, 1})},
    {ipaddress, "192.168.0.254", Address(std::string("\xc0\xa8\x00\xfe", 4))},
    {ipaddress, "localhost", Address(std::string("\x7f\x00\x00\x01", 4))},
    {nsapaddr, "10.0.0.1", Address(std::string("\x0a\x00\x00\x01", 4))},
    {counter, "3000000000", Unsigned(VkAsnType::gauge32, 3000000000u)},
    {guage, "-1", Unsigned(VkAsnType::gauge32, UINT32_MAX)},
    {uinteger, "4294967295", Unsigned(VkAsnType::gauge32, UINT32_MAX)},
    {timeticks, "0:01:00.00", Unsigned(VkAsnType::timeTicks, 6000)},
    {timeticks, "90", Unsigned(VkAsnType::timeTicks, 0)},
    {counter64, "18446744073709551615", Counter64(UINT64_MAX)},
    {counter64, "12345678901", Counter64(12345678901ull)},
    {double_, "2.5", Octets(DoubleToOctets(2.5))},
    {datetime, "2004-5-26,13:30:15.0,+8:0", Octets(kDateAndTime)},
    {bcdatetime, "2004/05/26 01:30:15 pm", Octets(DoubleToOctets(kNoonIn2004))},
    {displaystr, "any text", Octets("any text")},
};

void ExpectBinding(const VkSNMPVarBind& expected, const VkSNMPVarBind& actual) {
    EXPECT_EQ(actual.Type(), expected.Type());
    EXPECT_EQ(actual.Integer(), expected.Integer());
    EXPECT_EQ(actual.Unsigned(), expected.Unsigned());
    EXPECT_EQ(actual.Counter64(), expected.Counter64());
    EXPECT_EQ(actual.Octets(), expected.Octets());
    EXPECT_EQ(actual.ObjectId(), expected.ObjectId());
}

}  // namespace

TEST(ValueCodecValues, ReceivedBindingsBecomeValueTexts) {
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " -> " + c.text);
        OneItem one(c.syntax);
        EXPECT_EQ(one.Read(c.binding), c.text);
    }
}

TEST(ValueCodecValues, ValueTextsBecomeTheBindingsSent) {
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " <- " + c.text);
        OneItem one(c.syntax);
        ExpectBinding(c.binding, one.Write(c.text));
    }
}

TEST(ValueCodecValues, NullTextSendsANullWhateverTheSyntax) {
    const int syntaxes[] = {boolean, integer, octetstr, objectid, ipaddress, counter,
                            timeticks, counter64, double_, macaddress, datetime, bcdatetime,
                            displaystr, 99};
    for (int syntax : syntaxes) {
        OneItem one(syntax);
        EXPECT_EQ(one.Write("(NULL)").Type(), VkAsnType::null) << syntax;
    }
}

TEST(ValueCodecValues, WrittenTextsReadBackUnchanged) {
    struct Case {
        int syntax;
        const char* text;
    };
    const Case cases[] = {
        {integer, "-42"},           {macaddress, "001A2B3C4D11"}, {octetstr, "00FF10"},
        {ipaddress, "10.1.2.3"},    {objectid, "1.3.6.1.4.1"},    {timeticks, "2 days, 1:02:03.04"},
        {counter64, "9876543210"},  {double_, "-0.125"},          {guage, "3000000000"},
        {datetime, "2004-5-26,13:30:15.0,-5:30"},
        {bcdatetime, "2010/01/02 03:04:05 am"},
        {displaystr, "Name with blanks"}, {boolean, "true"}, {boolean, "false"},
    };
    for (const Case& c : cases) {
        OneItem one(c.syntax);
        EXPECT_EQ(one.Read(one.Write(c.text)), c.text) << c.syntax;
    }
}

TEST(ValueCodecValues, OptionListsMapValuesBothWays) {
    OneItem one(integer, &OptStatus);
    EXPECT_EQ(one.Read(Integer(1)), "Enable");
    EXPECT_EQ(one.Read(Integer(0)), "Disable");
    EXPECT_EQ(one.Read(Integer(7)), "7");
    EXPECT_EQ(one.Read(Exception(VkAsnType::noSuchInstance)), "(NULL)");
    ExpectBinding(Integer(1), one.Write("enable"));
    ExpectBinding(Integer(0), one.Write("Disable"));
    ExpectBinding(Integer(7), one.Write("7"));
    ExpectBinding(Integer(0), one.Write("Unknown"));
    EXPECT_EQ(one.Write("(NULL)").Type(), VkAsnType::null);
}

TEST(ValueCodecValues, FailuresAreRaisedWithTheirCodes) {
    struct Case {
        int syntax;
        bool writing;
        const char* text;
        int code;
    };
    const Case cases[] = {
        {99, false, "", -511},
        {bool8, false, "", -511},
        {0, false, "", -511},
        {99, true, "5", -511},
        {uint16, true, "5", -511},
        {objectid, true, "1.3.x", -417},
        {ipaddress, true, "no-such-host.invalid", -509},
        {ipaddress, true, "", -509},
        {nsapaddr, true, "1.2.3", -509},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " " + c.text);
        OneItem one(c.syntax);
        int code = c.writing ? RaisedCode([&] { one.Write(c.text); })
                             : RaisedCode([&] { one.Read(Integer(1)); });
        EXPECT_EQ(code, c.code);
    }
    OneItem date(bcdatetime);
    EXPECT_THROW(date.Write("not a date"), os::ConvertError);
    OneItem none(integer);
    EXPECT_THROW(none.codec.VbToValue(1, Integer(1)), os::ListIndexError);
}
