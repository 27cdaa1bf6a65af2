#include "library/common/expressions.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

#include "library/common/day_count.h"
#include "library/common/messages.h"
#include "library/common/text.h"
#include "library/common/text_functions.h"

namespace {

const std::string kNow = "NOW";

[[noreturn]] void RaiseBadOperand() { RaiseError(VK_ERR_BAD_LOGIC_OPERAND); }

// The ')' that matches the '(' at `open`, counting nesting from there;
// npos when there is none.
std::size_t MatchingParenthesis(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')') {
            if (--depth == 0) return i;
        }
    }
    return std::string::npos;
}

// strtod in the "C" locale: the program's texts always use '.', whatever
// locale the window library has set for the process.
double ReadNumber(const std::string& text) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (cLocale == static_cast<locale_t>(nullptr)) return std::strtod(text.c_str(), nullptr);
    return strtod_l(text.c_str(), nullptr, cLocale);
}

double Operand(const std::string& text) {
    if (SameText(text, kNow)) return NowAsDayCount();
    return ReadNumber(text);
}

// Every operator and parenthesis pair costs one level of the evaluators'
// recursion; a text that needs more levels than this is refused as a whole,
// so a received value cannot run the stack out.
constexpr int kMostLevels = 200;

// Thrown below the last level and caught by the public evaluator.
struct TooDeep {};

void EnterLevel(int level) {
    if (level > kMostLevels) throw TooDeep{};
}

}  // namespace

bool EvaluateComparison(const std::string& expression) {
    static const char* const kOperators[] = {"<>", ">=", "<=", ">", "<", "=", nullptr};
    std::string left;
    std::string right;
    int op = SplitAtOperator(kOperators, expression, left, right);
    if (op < 0) {
        std::string bare = Trim(expression);  // decision: blanks around true/false are ignored
        if (SameText(bare, "true")) return true;
        if (SameText(bare, "false")) return false;
        RaiseBadOperand();
    }
    left = Unquote(Trim(left));
    right = Unquote(Trim(right));
    if (SameText(left, kNow)) left = FloatToStr(NowAsDayCount());
    if (SameText(right, kNow)) right = FloatToStr(NowAsDayCount());
    int order = left.compare(right);  // byte by byte, as unsigned bytes
    switch (op) {
        case 0: return order != 0;  // <>
        case 1: return order >= 0;  // >=
        case 2: return order <= 0;  // <=
        case 3: return order > 0;   // >
        case 4: return order < 0;   // <
        default: return order == 0; // =
    }
}

namespace {

double Arithmetic(const std::string& expression, int level) {
    EnterLevel(level);
    const int next = level + 1;
    std::size_t open = expression.find('(');
    if (open != std::string::npos) {
        std::size_t close = MatchingParenthesis(expression, open);
        if (close != std::string::npos) {
            double inner = Arithmetic(expression.substr(open + 1, close - open - 1), next);
            return Arithmetic(expression.substr(0, open) + FloatToStr(inner) +
                                  expression.substr(close + 1),
                              next);
        }
    }
    std::size_t at;
    if ((at = expression.find('+')) != std::string::npos)
        return Arithmetic(expression.substr(0, at), next) +
               Arithmetic(expression.substr(at + 1), next);
    if ((at = expression.find('-')) != std::string::npos)
        return Arithmetic(expression.substr(0, at), next) -
               Arithmetic(expression.substr(at + 1), next);
    if ((at = expression.find('*')) != std::string::npos)
        return Operand(expression.substr(0, at)) * Arithmetic(expression.substr(at + 1), next);
    if ((at = expression.find('/')) != std::string::npos)
        return Operand(expression.substr(0, at)) / Arithmetic(expression.substr(at + 1), next);
    return Operand(expression);
}

bool Logic(const std::string& expression, int level) {
    EnterLevel(level);
    const int next = level + 1;
    // The first quoted part: strictly between the first '"' and the next one.
    std::size_t quoteOpen = expression.find('"');
    std::size_t quoteClose = quoteOpen == std::string::npos
                                 ? std::string::npos
                                 : expression.find('"', quoteOpen + 1);
    auto quoted = [&](std::size_t at) {
        return quoteClose != std::string::npos && at > quoteOpen && at < quoteClose;
    };
    // The first occurrence of an operator character, or npos when there is none
    // or it lies inside the quoted part.
    auto find = [&](char c) {
        std::size_t at = expression.find(c);
        return at != std::string::npos && quoted(at) ? std::string::npos : at;
    };

    std::size_t open = expression.find('(');
    if (open != std::string::npos) {
        std::size_t close = MatchingParenthesis(expression, open);
        if (close != std::string::npos && !quoted(open) && !quoted(close)) {
            bool inner = Logic(expression.substr(open + 1, close - open - 1), next);
            return Logic(expression.substr(0, open) + (inner ? "true" : "false") +
                             expression.substr(close + 1),
                         next);
        }
    }
    std::size_t at;
    if ((at = find('|')) != std::string::npos)
        return Logic(expression.substr(0, at), next) || Logic(expression.substr(at + 1), next);
    if ((at = find('&')) != std::string::npos)
        return Logic(expression.substr(0, at), next) && Logic(expression.substr(at + 1), next);
    if ((at = find('!')) != std::string::npos) return !Logic(expression.substr(at + 1), next);
    return EvaluateComparison(expression);
}

}  // namespace

double EvaluateArithmetic(const std::string& expression) {
    try {
        return Arithmetic(expression, 1);
    } catch (const TooDeep&) {
        return 0;
    }
}

bool EvaluateLogic(const std::string& expression) {
    try {
        return Logic(expression, 1);
    } catch (const TooDeep&) {
        return false;
    }
}
