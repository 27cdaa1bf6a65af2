#include "library/common/edit_constraint_rule.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

#include "library/common/messages.h"
#include "library/common/text.h"
#include "library/common/text_functions.h"
#include "library/common/unsigned_num_list.h"
#include "platform/os/exception.h"

namespace {

const char kDigits[] = "0123456789";
const char kNumberChars[] = "-0123456789.";
const char kHexDigits[] = "0123456789ABCDEFabcdef";
const char kTypes[] = "shiufn";

[[noreturn]] void BadFormat() { RaiseError(VK_ERR_BAD_CONSTRAINT_FORMAT); }

bool Contains(const char* set, char c) {
    return c != 0 && std::string(set).find(c) != std::string::npos;
}

void SetDefaultRange(EditConstraintRule& rule) {
    switch (rule.type) {
        case 'i':
            rule.min = -2147483648.0;
            rule.max = 2147483647.0;
            break;
        case 'f':
            rule.min = -std::numeric_limits<double>::max();
            rule.max = std::numeric_limits<double>::max();
            break;
        case 'u':
        case 'n':
            rule.min = 0;
            rule.max = 4294967295.0;
            break;
        default:
            break;
    }
}

// The run of admitted characters that starts at `pos` (0-based) of `body`;
// pos moves past it. An empty run makes the constraint bad.
std::string Run(const std::string& body, size_t& pos, const char* admitted) {
    int last = SpanOfChars(body, static_cast<int>(pos) + 1, admitted);
    if (last == 0) BadFormat();
    std::string run = body.substr(pos, static_cast<size_t>(last) - pos);
    pos = static_cast<size_t>(last);
    return run;
}

// The whole run as a decimal number, as the platform's text-to-float
// conversion reads it (locale-independent: the point is the decimal mark).
double RunToDouble(const std::string& run) {
    double value = 0;
    const char* end = run.data() + run.size();
    std::from_chars_result result = std::from_chars(run.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end) {
        throw os::ConvertError("'" + run + "' is not a valid floating point value");
    }
    return value;
}

uint16_t LengthFlags(const std::string& body, size_t& pos) {
    uint16_t flags = 0;
    for (int letters = 0; letters < 3 && pos < body.size(); ++letters, ++pos) {
        char c = body[pos];
        if (c == 'a') {
            flags += kConstraintAdvance;
        } else if (c == 'f') {
            flags += kConstraintFixed;
        } else if (c == 'n') {
            flags += kConstraintNotEmpty;
        } else {
            break;
        }
    }
    return flags;
}

void ParseOptions(const std::string& body, EditConstraintRule& rule) {
    size_t pos = 0;
    while (pos < body.size()) {
        char option = body[pos++];
        switch (option) {
            case 'e':
                if (pos >= body.size()) BadFormat();
                rule.jumpChar = body[pos++];
                break;
            case 'l':
                rule.maxLen = StrToInt(Run(body, pos, kDigits));
                rule.flags = LengthFlags(body, pos);
                break;
            case 'n':
                rule.min = RunToDouble(Run(body, pos, kNumberChars));
                break;
            case 'x':
                rule.max = RunToDouble(Run(body, pos, kNumberChars));
                break;
            case 'w':
                rule.width = StrToInt(Run(body, pos, kDigits));
                break;
            default:
                BadFormat();
        }
    }
}

// The number at the start of the text as strtod reads it: leading blanks,
// an optional sign, digits with an optional fraction; 0 when there is none.
double LeadingNumber(const std::string& text) {
    size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    if (pos < text.size() && text[pos] == '+') ++pos;
    double value = 0;
    const char* begin = text.data() + pos;
    std::from_chars_result result = std::from_chars(begin, text.data() + text.size(), value);
    if (result.ec == std::errc()) return value;
    if (result.ec != std::errc::result_out_of_range) return 0;
    // Too large (a long run of digits) or too small for a double.
    bool negative = *begin == '-';
    std::string integerPart(begin, static_cast<size_t>(result.ptr - begin));
    integerPart = integerPart.substr(0, integerPart.find_first_of(".eE"));
    if (integerPart.find_first_of("123456789") == std::string::npos) return 0;
    return negative ? -HUGE_VAL : HUGE_VAL;
}

// A limit cut to a whole unsigned 32-bit number.
uint32_t WholeUnsigned(double limit) {
    if (!(limit > 0)) return 0;
    if (limit >= 4294967295.0) return 4294967295u;
    return static_cast<uint32_t>(limit);
}

EditCheck Reject(int message) { return {EditCheck::Rejected, message}; }
EditCheck Accept() { return {EditCheck::Accepted, 0}; }

EditCheck CheckNumber(const EditConstraintRule& rule, const std::string& text) {
    double value = LeadingNumber(text);
    return value < rule.min || value > rule.max ? Reject(8) : Accept();
}

EditCheck CheckLength(const EditConstraintRule& rule, const std::string& text) {
    if (rule.maxLen <= 0) return Accept();
    int length = static_cast<int>(text.size());
    bool hex = rule.type == 'h';
    if (rule.flags & kConstraintFixed) {
        return length != rule.maxLen ? Reject(hex ? 7 : 5) : Accept();
    }
    return length > rule.maxLen ? Reject(hex ? 6 : 4) : Accept();
}

EditCheck CheckNumberList(const EditConstraintRule& rule, const std::string& text) {
    VkNumList<unsigned int> numbers(rule.delimiter);
    numbers.Parse(text);
    if (rule.maxLen > 0) {
        if (rule.flags & kConstraintFixed) {
            if (numbers.count() != rule.maxLen) return Reject(10);
        } else if (numbers.count() > rule.maxLen) {
            return Reject(9);
        }
    }
    return numbers.AllInRange(WholeUnsigned(rule.min), WholeUnsigned(rule.max)) ? Accept()
                                                                                 : Reject(11);
}

bool AdmittedAt(const EditConstraintRule& rule, const std::string& text, size_t at) {
    char c = text[at];
    bool digit = c >= '0' && c <= '9';
    switch (rule.type) {
        case 'h':
            return Contains(kHexDigits, c);
        case 'i':
            return digit || (c == '-' && at == 0);
        case 'u':
            return digit;
        case 'f':
            return digit || (c == '-' && at == 0) || (c == '.' && text.find('.') == at);
        case 'n':
            return digit || (c == rule.delimiter && at > 0 && text[at - 1] != rule.delimiter);
        default:
            return true;
    }
}

}  // namespace

EditConstraintRule ParseEditConstraint(const std::string& constraint) {
    if (constraint.size() < 2 || constraint[0] != '%' || !Contains(kTypes, constraint[1])) {
        BadFormat();
    }
    EditConstraintRule rule;
    rule.type = constraint[1];
    size_t pos = 2;
    if (rule.type == 'n') {
        if (constraint.size() < 3) BadFormat();
        rule.delimiter = constraint[pos++];
    }
    SetDefaultRange(rule);
    if (pos == constraint.size()) return rule;
    if (constraint[pos] != '{' || constraint.back() != '}' || constraint.size() - pos < 2) {
        BadFormat();
    }
    ParseOptions(constraint.substr(pos + 1, constraint.size() - pos - 2), rule);
    return rule;
}

std::vector<std::string> SplitConstraintFormat(const std::string& format) {
    std::vector<std::string> pieces;
    size_t start = 0;
    while (start < format.size()) {
        size_t next = format.find('%', start + 1);
        if (next == std::string::npos) next = format.size();
        pieces.push_back(format.substr(start, next - start));
        start = next;
    }
    return pieces;
}

bool IsPlaceholderText(const std::string& text) { return text == "(NULL)" || text == "(NOTDONE)"; }

bool LimitsLength(const EditConstraintRule& rule) { return rule.type != 'n'; }

std::size_t FirstRejectedChar(const EditConstraintRule& rule, const std::string& text) {
    for (size_t at = 0; at < text.size(); ++at) {
        if (!AdmittedAt(rule, text, at)) return at;
    }
    return std::string::npos;
}

EditCheck CheckEditValue(const EditConstraintRule& rule, const std::string& text) {
    if (text.empty()) {
        return rule.flags & kConstraintNotEmpty ? Reject(3) : EditCheck{EditCheck::Ignored, 0};
    }
    switch (rule.type) {
        case 'i':
        case 'u':
        case 'f':
            return CheckNumber(rule, text);
        case 'n':
            return CheckNumberList(rule, text);
        default:
            return CheckLength(rule, text);
    }
}

std::string RejectionText(const EditConstraintRule& rule, int message) {
    bool unsignedLimits = message == 11;
    std::string min = unsignedLimits ? IntToStr(WholeUnsigned(rule.min)) : FloatToStr(rule.min);
    std::string max = unsignedLimits ? IntToStr(WholeUnsigned(rule.max)) : FloatToStr(rule.max);
    std::string length = IntToStr(rule.maxLen);
    std::string delimiter = rule.delimiter != 0 ? std::string(1, rule.delimiter) : std::string();
    std::string text = VkCommonMessages.Text(static_cast<size_t>(message));
    text = ReplaceAll(text, "[MAXLEN]", length);
    text = ReplaceAll(text, "[LEN]", length);
    text = ReplaceAll(text, "[MAXCOUNT]", length);
    text = ReplaceAll(text, "[COUNT]", length);
    text = ReplaceAll(text, "[DELIMITER]", delimiter);
    text = ReplaceAll(text, "[MIN]", min);
    return ReplaceAll(text, "[MAX]", max);
}
