#pragma once

#include <QString>

// The expression language of formulas and row conditions, on texts whose
// variables have already been substituted. Its rules are deliberately simple
// and sometimes surprising: only the first occurrence of each operator is
// looked at, "-" groups to the right (10-2-3 is 11), and comparisons compare
// texts (10 is less than 9).
namespace KtExpression {

// Parentheses nest at most this deep; deeper nesting raises an error instead
// of exhausting the stack.
constexpr int MaxNesting = 100;

// "|", "&", "!" and parentheses over comparisons. A position strictly between
// the first double quote and the next one is quoted; quoted operators and
// parentheses do not count. Raises -1 for a part that is neither a comparison
// nor "true"/"false", and for nesting deeper than MaxNesting.
bool EvaluateBoolean(const QString &text);

// Splits at the first of "<>", ">=", "<=", ">", "<", "=" and compares the two
// trimmed sides as texts, character code by character code; quotes around a
// side are dropped and "NOW" is the current day count. Without an operator,
// "true" or "false" in any letter case; anything else raises -1.
bool EvaluateComparison(const QString &text);

// "+", "-", "*", "/" and parentheses in extended precision; the left side of
// "*" and "/" is read as a plain number. Raises -513 for a division by zero
// and for nesting deeper than MaxNesting.
long double EvaluateArithmetic(const QString &text);

// The number of a text: "NOW" (any letter case) is the current day count,
// otherwise the longest leading decimal number after leading blanks, else 0.
long double NumberOf(const QString &text);

// An extended-precision number in decimal, without exponent, so that the
// text reads back as the same number inside an expression.
QString NumberText(long double value);

} // namespace KtExpression
