#include "KtExpression.h"
#include "KtException.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace KtExpression;

TEST(KtExpression, ArithmeticGroupsToTheRight)
{
    struct Case
    {
        const char *text;
        long double value;
    };
    const Case cases[] = {
        {"10-2-3", 11},       // 10 - (2 - 3)
        {"2500/100", 25},     //
        {"1+2*3", 7},         //
        {"2*3+1", 7},         //
        {"-5", -5},           // empty left side is 0
        {"100/10/5", 50},     // 100 / (10 / 5)
        {"(10-2)-3", 5},      //
        {"((1+1)*(2+2))", 8}, //
        {"3-(0-5)", 8},       // "3--5"
        {"  7.5 kg", 7.5},    // the leading number
        {"abc", 0},           //
        {"(1", 0},            // unmatched: "(1" is no number
        {"2*(1+2", 2},        // unmatched: "2*(1" is 2 times 0, plus 2
        {"18446744073709551615+0", 18446744073709551615.0L},
        {"(9007199254740993*1)+0", 9007199254740993.0L},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EvaluateArithmetic(c.text), c.value);
    }
}

TEST(KtExpression, LargeParenthesisedResultsStayExact)
{
    // A result written back with an exponent would split at its "+".
    EXPECT_EQ(EvaluateArithmetic("(1000000000000000*1000000)/1000000"), 1e15L);
    EXPECT_EQ(NumberText(1e20L), "100000000000000000000");
    EXPECT_EQ(NumberText(-0.25L), "-0.25");
}

TEST(KtExpression, ArithmeticErrors)
{
    const struct
    {
        QString text;
        int code;
    } cases[] = {
        {"1/0", -513},
        {"1/(2-2)", -513},
        {"5/abc", -513},
        {QString(200, '(') + "1" + QString(200, ')'), -513},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.left(20).toStdString());
        try {
            EvaluateArithmetic(c.text);
            ADD_FAILURE() << "no error";
        } catch (const KtException &e) {
            EXPECT_EQ(e.Code, c.code);
            EXPECT_EQ(e.Message, "(KtSNMP++) Bad SNMP syntax in the expression!");
        }
    }
    const QString nested = QString(MaxNesting, '(') + "1" + QString(MaxNesting, ')');
    EXPECT_EQ(EvaluateArithmetic(nested), 1);
}

TEST(KtExpression, ComparisonsCompareTexts)
{
    struct Case
    {
        const char *text;
        bool result;
    };
    const Case cases[] = {
        {"10>9", false}, // text comparison
        {"10<9", true},
        {"9=9", true},
        {" 9 = 9 ", true},
        {"\"up\"=\"up\"", true},
        {"\"up\"=up", true},
        {"a<>b", true},
        {"a<=b<>c", true}, // "<>" is looked for first: "a<=b"
                           // against "c"
        {"b>=a", true},
        {"B=b", false}, // letter case counts
        {"TRUE", true},
        {" false ", false},
        {"x=", false},
        {"=", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EvaluateComparison(c.text), c.result);
    }
    // NOW is the current day count (about 46,000 in this century), whatever its letter case.
    EXPECT_TRUE(EvaluateComparison("now>40000"));
    EXPECT_TRUE(EvaluateComparison("NOW<99999"));
}

TEST(KtExpression, BooleanOperatorsAndQuoting)
{
    struct Case
    {
        const char *text;
        bool result;
    };
    const Case cases[] = {
        {"1=1|x", true}, // short-circuit: x is never evaluated
        {"1=2&x", false},          {"1=2|2=2", true},         {"1=1&2=3", false},
        {"(1=1)&(2=2)", true},     {"(1=1) & (2=2)", true},   {"!1=2", true},
        {" !1=2", false}, // "!" drops the first character: the blank, then the "!"
        {"((1=1))", true},         {"\"a|b\"=\"a|b\"", true}, // quoted "|" does not split
        {"\"(x\"=\"(x\"", true},                              // quoted "(" is not a parenthesis
        {"(\"a\"=\"a\")|x", true}, {"true|false&x", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(EvaluateBoolean(c.text), c.result);
    }
}

TEST(KtExpression, BooleanErrors)
{
    const QString cases[] = {
        "x",
        "1=1&x",
        "()",
        QString(MaxNesting + 1, '(') + "1=1" + QString(MaxNesting + 1, ')'),
    };
    for (const QString &text : cases) {
        SCOPED_TRACE(text.left(20).toStdString());
        try {
            EvaluateBoolean(text);
            ADD_FAILURE() << "no error";
        } catch (const KtException &e) {
            EXPECT_EQ(e.Code, -1);
            EXPECT_EQ(e.Message, "(KtCommon) Bad logic operand!");
        }
    }
    // Long chains are loops, not recursion.
    EXPECT_TRUE(EvaluateBoolean(QString(100000, '!') + "1=1"));
    EXPECT_TRUE(EvaluateBoolean(QString("1=2|").repeated(20000) + "1=1"));
}
