#include "library/common/text_functions.h"

#include <cstdint>

std::string Unquote(const std::string& text) {
    if (text.empty()) return text;
    if (text.front() == '"' && text.back() == '"')
        return text.size() == 1 ? std::string() : text.substr(1, text.size() - 2);
    return text;
}

int SpanOfChars(const std::string& text, int start, const std::string& admitted) {
    if (start < 1 || static_cast<std::size_t>(start) > text.size()) return 0;
    std::size_t i = static_cast<std::size_t>(start) - 1;
    if (admitted.find(text[i]) == std::string::npos) return 0;
    while (i + 1 < text.size() && admitted.find(text[i + 1]) != std::string::npos) ++i;
    return static_cast<int>(i + 1);
}

std::string ReplaceAll(const std::string& source, const std::string& pattern,
                       const std::string& replacement) {
    if (pattern.empty()) return source;
    std::string result;
    std::size_t from = 0;
    for (std::size_t at; (at = source.find(pattern, from)) != std::string::npos;
         from = at + pattern.size()) {
        result.append(source, from, at - from);
        result += replacement;
    }
    result.append(source, from, std::string::npos);
    return result;
}

int SplitAtOperator(const char* const* operators, const std::string& text, std::string& left,
                    std::string& right) {
    for (int i = 0; operators[i] != nullptr; ++i) {
        std::string op = operators[i];
        if (op.empty()) continue;  // an empty operator would occur everywhere; not an operator
        std::size_t at = text.find(op);
        if (at == std::string::npos) continue;
        left = text.substr(0, at);
        right = text.substr(at + op.size());
        return i;
    }
    return -1;
}

int IntPower(int base, unsigned exponent) {
    // Unsigned arithmetic wraps without undefined behaviour; the result is
    // then read back as the two's-complement int.
    uint32_t result = 1;
    for (unsigned i = 0; i < exponent; ++i) result *= static_cast<uint32_t>(base);
    return static_cast<int32_t>(result);
}
