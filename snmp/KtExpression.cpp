#include "KtExpression.h"

#include "KtErrorCode.h"
#include "KtTextForm.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace KtExpression {

namespace {

// The text an evaluation step works on: the part of a text after a start
// position that only moves forward while the rules drop characters from the
// front or take the part after an operator. The first occurrence of each
// character at or after the start is cached, so that dropping characters is
// cheap and a long chain of operators costs linear time.
class Cursor
{
public:
    explicit Cursor(QString text) : text_(std::move(text))
    {
        std::fill(std::begin(first_), std::end(first_), Unknown);
    }

    // Absolute position of the first c at or after the start, or -1.
    qsizetype First(char c)
    {
        qsizetype &cached = first_[static_cast<unsigned char>(c)];
        if (cached == Unknown || (cached >= 0 && cached < start_))
            cached = text_.indexOf(QLatin1Char(c), start_);
        return cached;
    }

    // A position strictly between the first double quote and the next one.
    bool IsQuoted(qsizetype pos)
    {
        const qsizetype open = First('"');
        if (open < 0 || pos <= open)
            return false;
        if (closeQuoteOf_ != open) {
            closeQuoteOf_ = open;
            closeQuote_ = text_.indexOf(QLatin1Char('"'), open + 1);
        }
        return closeQuote_ >= 0 && pos < closeQuote_;
    }

    // The ")" that closes the first "(", counting nesting from it, or -1.
    qsizetype MatchOfFirstParenthesis()
    {
        const qsizetype open = First('(');
        if (open < 0)
            return -1;
        if (matchOf_ != open) {
            matchOf_ = open;
            match_ = -1;
            int level = 0;
            for (qsizetype pos = open; pos < text_.size() && match_ < 0; ++pos) {
                if (text_[pos] == QLatin1Char('('))
                    ++level;
                else if (text_[pos] == QLatin1Char(')') && --level == 0)
                    match_ = pos;
            }
        }
        return match_;
    }

    QString Part(qsizetype from, qsizetype to) const { return text_.mid(from, to - from); }
    QString Rest() const { return text_.mid(start_); }
    qsizetype Start() const { return start_; }
    void MoveTo(qsizetype pos) { start_ = pos; }

    // Replaces text[from..to] (inclusive) and keeps only the part from the start.
    void Replace(qsizetype from, qsizetype to, const QString &with)
    {
        *this = Cursor(Part(start_, from) + with + text_.mid(to + 1));
    }

private:
    static constexpr qsizetype Unknown = -2;

    QString text_;
    qsizetype start_ = 0;
    qsizetype first_[128];
    qsizetype closeQuoteOf_ = -1;
    qsizetype closeQuote_ = -1;
    qsizetype matchOf_ = -1;
    qsizetype match_ = -1;
};

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
bool Boolean(const QString &text, int depth)
{
    if (depth > MaxNesting)
        KtRaise(KtErrBadLogicOperand);
    Cursor cursor(text);
    bool negated = false;
    for (;;) {
        const qsizetype open = cursor.First('(');
        const qsizetype close = cursor.MatchOfFirstParenthesis();
        if (close >= 0 && !cursor.IsQuoted(open) && !cursor.IsQuoted(close)) {
            const bool inside = Boolean(cursor.Part(open + 1, close), depth + 1);
            cursor.Replace(open, close, inside ? QStringLiteral("true") : QStringLiteral("false"));
            continue;
        }
        const qsizetype orAt = cursor.First('|');
        if (orAt >= 0 && !cursor.IsQuoted(orAt)) {
            if (Boolean(cursor.Part(cursor.Start(), orAt), depth + 1))
                return !negated;
            cursor.MoveTo(orAt + 1);
            continue;
        }
        const qsizetype andAt = cursor.First('&');
        if (andAt >= 0 && !cursor.IsQuoted(andAt)) {
            if (!Boolean(cursor.Part(cursor.Start(), andAt), depth + 1))
                return negated;
            cursor.MoveTo(andAt + 1);
            continue;
        }
        const qsizetype notAt = cursor.First('!');
        if (notAt >= 0 && !cursor.IsQuoted(notAt)) {
            // The negation applies to the text without its first character,
            // wherever the "!" stands.
            negated = !negated;
            cursor.MoveTo(cursor.Start() + 1);
            continue;
        }
        return EvaluateComparison(cursor.Rest()) != negated;
    }
}

// Every operator's right side is evaluated in the same loop; its left side
// (a number for "*" and "/") waits in a list that is folded from the right,
// which gives the right-hand grouping without recursion.
long double Arithmetic(const QString &text, int depth)
{
    if (depth > MaxNesting)
        KtRaise(KtErrBadExpression);
    Cursor cursor(text);
    std::vector<std::pair<char, long double>> pending;
    long double value = 0;
    for (;;) {
        const qsizetype open = cursor.First('(');
        const qsizetype close = cursor.MatchOfFirstParenthesis();
        if (close >= 0) {
            const long double inside = Arithmetic(cursor.Part(open + 1, close), depth + 1);
            cursor.Replace(open, close, NumberText(inside));
            continue;
        }
        bool split = false;
        for (char op : {'+', '-', '*', '/'}) {
            const qsizetype at = cursor.First(op);
            if (at < 0)
                continue;
            const QString left = cursor.Part(cursor.Start(), at);
            const bool evaluated = op == '+' || op == '-';
            pending.emplace_back(op, evaluated ? Arithmetic(left, depth + 1) : NumberOf(left));
            cursor.MoveTo(at + 1);
            split = true;
            break;
        }
        if (!split) {
            value = NumberOf(cursor.Rest());
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
