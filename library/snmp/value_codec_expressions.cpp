// The expression hooks of VkSNMPValueCodec: values put into expressions, read
// and write expressions, and conditions.

#include <climits>

#include "library/common/expressions.h"
#include "library/common/messages.h"
#include "library/common/text.h"
#include "library/snmp/day_count_text.h"
#include "library/snmp/number_text.h"
#include "library/snmp/time_ticks_text.h"
#include "library/snmp/value_codec.h"

namespace {

// The item number written right after a marker; no digits read as 0. Moves
// `pos` past the digits.
int ItemNumberAt(const std::string& text, std::size_t& pos) {
    long long number = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        if (number <= INT_MAX) number = number * 10 + (text[pos] - '0');
    return number > INT_MAX ? INT_MAX : static_cast<int>(number);
}

bool IsNumberSyntax(int syntax) {
    switch (syntax) {
    case VkSNMPSyntax::integer:
    case VkSNMPSyntax::counter:
    case VkSNMPSyntax::guage:
    case VkSNMPSyntax::counter64:
    case VkSNMPSyntax::uinteger:
    case VkSNMPSyntax::double_:
    case VkSNMPSyntax::int8:
    case VkSNMPSyntax::uint8:
    case VkSNMPSyntax::int16:
    case VkSNMPSyntax::uint16: return true;
    default: return false;
    }
}

bool IsBooleanSyntax(int syntax) {
    return syntax == VkSNMPSyntax::boolean || syntax == VkSNMPSyntax::bool8 ||
           syntax == VkSNMPSyntax::bool16;
}

std::string UInt32Text(double value) {
    return std::to_string(TruncateWithin(value, 0, UINT32_MAX));
}

// The value text an expression result gives an item of `syntax`.
std::string ResultText(int syntax, double r) {
    switch (syntax) {
    case VkSNMPSyntax::boolean: return r != 0 ? "true" : "false";
    case VkSNMPSyntax::integer: return std::to_string(TruncateWithin(r, INT32_MIN, INT32_MAX));
    case VkSNMPSyntax::counter:
    case VkSNMPSyntax::guage:
    case VkSNMPSyntax::uinteger: return UInt32Text(r);
    case VkSNMPSyntax::timeticks:
        return TimeTicksToText(static_cast<uint32_t>(TruncateWithin(r, 0, UINT32_MAX)));
    case VkSNMPSyntax::counter64: return std::to_string(TruncateToUInt64(r));
    case VkSNMPSyntax::double_: return FloatToStr(r);
    case VkSNMPSyntax::bcdatetime: return DayCountToText(r);
    default: RaiseError(VK_ERR_BAD_SYNTAX_IN_EXPRESSION);
    }
}

}  // namespace

std::string VkSNMPValueCodec::ReplacementFor(int item, bool quoteStrings) {
    const VkSNMPVarItem& entry = *vars.Item(item);
    std::string value = DeviceValue(entry);
    if (value == "(NULL)") RaiseError(VK_ERR_NULL_IN_EXPRESSION);
    if (IsBooleanSyntax(entry.syntax)) return value == "true" ? "1" : "0";
    if (IsNumberSyntax(entry.syntax)) return value;
    if (entry.syntax == VkSNMPSyntax::timeticks) return std::to_string(TextToTimeTicks(value));
    if (entry.syntax == VkSNMPSyntax::bcdatetime) return FloatToStr(TextToDayCount(value));
    if (!quoteStrings) RaiseError(VK_ERR_BAD_SYNTAX_IN_EXPRESSION);
    return "\"" + value + "\"";
}

std::string VkSNMPValueCodec::SubstituteValues(const std::string& expression, bool quoteStrings,
                                               const std::string& marker) {
    std::string text = expression;
    if (marker.empty()) return text;
    std::size_t at = 0;
    while ((at = text.find(marker, at)) != std::string::npos) {
        std::size_t end = at + marker.size();
        int item = ItemNumberAt(text, end);
        std::string replacement = ReplacementFor(item, quoteStrings);
        text.replace(at, end - at, replacement);
        // Searching on after the inserted value: a value that holds the
        // marker itself is not taken for another marker.
        at += replacement.size();
    }
    return text;
}

void VkSNMPValueCodec::ApplyExpression(int item, bool received) {
    VkSNMPVarItem& entry = *vars.Item(item);
    const std::optional<std::string>& expression =
        received ? entry.readExpression : entry.writeExpression;
    if (!expression) return;
    double r = EvaluateArithmetic(SubstituteValues(*expression, false, "$"));
    SetFromDeviceValue(entry, ResultText(entry.syntax, r));
}

bool VkSNMPValueCodec::EvaluateCondition(const std::string& condition) {
    if (condition.empty()) return true;
    return EvaluateLogic(SubstituteValues(condition, true, "$"));
}
