#include "KtExpression.h"

#include "KtErrorCode.h"
#include "KtTextForm.h"

#include <charconv>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace KtExpression {

namespace {

// The span strictly between the first double quote and the next one.
struct QuotedSpan
{
    explicit QuotedSpan(const QString &text)
        : open(text.indexOf(QLatin1Char('"'))),
          close(open < 0 ? -1 : text.indexOf(QLatin1Char('"'), open + 1))
    {
    }
    bool Covers(qsizetype pos) const { return close >= 0 && pos > open && pos < close; }

    qsizetype open;
    qsizetype close;
};

// The ")" that closes the "(" at open, or -1.
qsizetype MatchingParenthesis(const QString &text, qsizetype open)
{
    int level = 0;
    for (qsizetype pos = open; pos < text.size(); ++pos) {
        if (text[pos] == QLatin1Char('('))
            ++level;
        else if (text[pos] == QLatin1Char(')') && --level == 0)
            return pos;
    }
    return -1;
}

// Removes leading and trailing blanks and control characters.
QString Trimmed(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= ' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

QString ComparisonSide(const QString &text)
{
    QString side = Trimmed(text);
    if (side.size() >= 2 && side.startsWith(QLatin1Char('"')) && side.endsWith(QLatin1Char('"')))
        side = side.mid(1, side.size() - 2);
    if (side.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0)
        side = QString::number(KtTextForm::NowDayCount(), 'g', 15);
    return side;
}

// The tail calls of the rules (the text after a replaced parenthesis, the
// right side of "|" and "&", the text after a "!") are loop iterations, so
// only a parenthesis' inside and an operator's left side use the stack.
bool Boolean(QString text, int depth)
{
    if (depth > MaxNesting)
        KtRaise(KtErrBadLogicOperand);
    bool negated = false;
    for (;;) {
        const QuotedSpan quoted(text);
        const qsizetype open = text.indexOf(QLatin1Char('('));
        const qsizetype close = open < 0 ? -1 : MatchingParenthesis(text, open);
        if (close >= 0 && !quoted.Covers(open) && !quoted.Covers(close)) {
            const bool inside = Boolean(text.mid(open + 1, close - open - 1), depth + 1);
            text.replace(open, close - open + 1, inside ? QStringLiteral("true") : QStringLiteral("false"));
            continue;
        }
        const qsizetype orAt = text.indexOf(QLatin1Char('|'));
        if (orAt >= 0 && !quoted.Covers(orAt)) {
            if (Boolean(text.left(orAt), depth + 1))
                return !negated;
            text = text.mid(orAt + 1);
            continue;
        }
        const qsizetype andAt = text.indexOf(QLatin1Char('&'));
        if (andAt >= 0 && !quoted.Covers(andAt)) {
            if (!Boolean(text.left(andAt), depth + 1))
                return negated;
            text = text.mid(andAt + 1);
            continue;
        }
        const qsizetype notAt = text.indexOf(QLatin1Char('!'));
        if (notAt >= 0 && !quoted.Covers(notAt)) {
            // The negation applies to the text without its first character,
            // wherever the "!" stands.
            negated = !negated;
            text = text.mid(1);
            continue;
        }
        return EvaluateComparison(text) != negated;
    }
}

// Every operator's right side is evaluated in the same loop; its left side
// (a number for "*" and "/") waits in a list that is folded from the right,
// which gives the right-hand grouping without recursion.
long double Arithmetic(QString text, int depth)
{
    if (depth > MaxNesting)
        KtRaise(KtErrBadExpression);
    std::vector<std::pair<char, long double>> pending;
    long double value = 0;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('('));
        const qsizetype close = open < 0 ? -1 : MatchingParenthesis(text, open);
        if (close >= 0) {
            const long double inside = Arithmetic(text.mid(open + 1, close - open - 1), depth + 1);
            text.replace(open, close - open + 1, NumberText(inside));
            continue;
        }
        bool split = false;
        for (char op : {'+', '-', '*', '/'}) {
            const qsizetype at = text.indexOf(QLatin1Char(op));
            if (at < 0)
                continue;
            const QString left = text.left(at);
            const bool evaluated = op == '+' || op == '-';
            pending.emplace_back(op, evaluated ? Arithmetic(left, depth + 1) : NumberOf(left));
            text = text.mid(at + 1);
            split = true;
            break;
        }
        if (!split) {
            value = NumberOf(text);
            break;
        }
    }
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
        const long double left = it->second;
        switch (it->first) {
        case '+':
            value = left + value;
            break;
        case '-':
            value = left - value;
            break;
        case '*':
            value = left * value;
            break;
        default:
            if (value == 0)
                KtRaise(KtErrBadExpression);
            value = left / value;
        }
    }
    return value;
}

} // namespace

bool EvaluateBoolean(const QString &text)
{
    return Boolean(text, 0);
}

bool EvaluateComparison(const QString &text)
{
    static const QLatin1String Operators[] = {QLatin1String("<>"), QLatin1String(">="), QLatin1String("<="),
                                              QLatin1String(">"),  QLatin1String("<"),  QLatin1String("=")};
    for (QLatin1String op : Operators) {
        const qsizetype at = text.indexOf(op);
        if (at < 0)
            continue;
        const int order = ComparisonSide(text.left(at)).compare(ComparisonSide(text.mid(at + op.size())));
        if (op == QLatin1String("<>"))
            return order != 0;
        if (op == QLatin1String(">="))
            return order >= 0;
        if (op == QLatin1String("<="))
            return order <= 0;
        if (op == QLatin1String(">"))
            return order > 0;
        if (op == QLatin1String("<"))
            return order < 0;
        return order == 0;
    }
    // Blanks around a bare truth value are allowed: "(a=a) & (b=b)" reduces
    // to "true & true", whose sides carry them.
    const QString word = Trimmed(text);
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    KtRaise(KtErrBadLogicOperand);
}

long double EvaluateArithmetic(const QString &text)
{
    return Arithmetic(text, 0);
}

long double NumberOf(const QString &text)
{
    if (text.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0)
        return KtTextForm::NowDayCount();
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].unicode() <= ' ')
        ++pos;
    // Digits, optionally a "." and more digits; at least one digit.
    std::string number;
    bool point = false;
    bool digit = false;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            break;
        number += char(c);
    }
    if (!digit)
        return 0;
    long double value = 0;
    const auto result =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) { // leaves value unset
        const bool overflow = number.find_first_of("123456789") < number.find('.');
        return overflow ? std::numeric_limits<long double>::infinity() : 0;
    }
    return value;
}

QString NumberText(long double value)
{
    // The longest fixed form of an extended-precision number has under 5,000
    // characters.
    char buffer[5200];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace KtExpression
