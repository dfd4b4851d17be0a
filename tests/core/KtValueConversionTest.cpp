#include "KtValueConversion.h"
#include "FdbTable.h"
#include "KtCatalogue.h"
#include "KtException.h"
#include "QtPrinters.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A list of one variable with the given type code; index variable when
// indexCount is 1 (IMPLIED when implied is set).
struct OneVar
{
    OneVar(int syntax, const KtOptionList *options = nullptr, bool implied = false)
    {
        const KtSNMPVarDef table[] = {{"1.3.6.1.4.1.47893.1", "v", KtSyntax(syntax),
                                       implied ? AccessImpliedIndex : AccessReadWrite, options},
                                      {}};
        list = KtSNMPVarList(table, ListTable, 1);
    }
    QString &Value() { return list.Get(0).Value; }
    KtValueConversion Conversion() { return KtValueConversion(list); }

    KtSNMPVarList list;
};

int CodeOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const KtException &e) {
        EXPECT_EQ(e.Message, KtErrorText(e.Code));
        return e.Code;
    }
    return 0;
}

KtVb Number(KtVbType type, quint64 value)
{
    KtVb vb;
    if (type == KtVbType::Integer)
        vb.SetInteger(qint32(value));
    else if (type == KtVbType::Counter64)
        vb.SetCounter64(value);
    else
        vb.SetUnsigned(type, quint32(value));
    return vb;
}

KtVb Octets(const char *hex, KtVbType type = KtVbType::OctetString)
{
    KtVb vb;
    vb.SetOctets(QByteArray::fromHex(hex), type);
    return vb;
}

KtVb NoValue(KtVbType type)
{
    KtVb vb;
    vb.SetNoValue(type);
    return vb;
}

KtVb ObjectId(const char *text)
{
    KtVb vb;
    vb.SetObjectId(KtOid::FromText(QString(text)));
    return vb;
}

QByteArray DoubleOctets(double value)
{
    QByteArray octets(8, '\0');
    qToLittleEndian(value, octets.data());
    return octets;
}

} // namespace

TEST(KtValueConversion, ReceivedBindingsBecomeValueTexts)
{
    struct Case
    {
        int syntax;
        KtVb vb;
        const char *text;
        const KtOptionList *options = nullptr;
    };
    const Case cases[] = {
        {SyntaxBoolean, Number(KtVbType::Integer, 3), "true"},
        {SyntaxBoolean, Number(KtVbType::Integer, 0), "false"},
        {SyntaxInteger, Number(KtVbType::Integer, quint32(-5)), "-5"},
        {SyntaxInteger, NoValue(KtVbType::NoSuchInstance), "(NULL)"},
        {SyntaxInteger, NoValue(KtVbType::EndOfMibView), "(NULL)"},
        {SyntaxInteger, KtVb(), "(NULL)"},
        {SyntaxInteger, Octets("01"), "(NULL)"}, // a value of the wrong kind is no value
        {SyntaxInteger, Number(KtVbType::Integer, 3), "learned", &FdbStatus},
        {SyntaxInteger, Number(KtVbType::Integer, 9), "9", &FdbStatus},
        {SyntaxOctets, Octets("001a2b"), "001A2B"},
        {SyntaxOctets, Octets(""), ""},
        {SyntaxOctets, NoValue(KtVbType::NoSuchInstance), ""},
        {SyntaxBits, Octets("80000001"), "80000001"},
        {SyntaxOpaque, Octets("ff", KtVbType::Opaque), "FF"},
        {SyntaxMacAddress, Octets("000102030405"), "000102030405"},
        {SyntaxNull, Number(KtVbType::Integer, 1), "(NULL)"},
        {SyntaxOid, ObjectId("1.3.6.1.6.3.10.1.1.2"), "1.3.6.1.6.3.10.1.1.2"},
        {SyntaxIpAddress, Octets("c0a80001", KtVbType::IpAddress), "192.168.0.1"},
        {SyntaxNsapAddress, Octets("0a", KtVbType::IpAddress), "10.0.0.0"},
        {SyntaxCounter32, Number(KtVbType::Counter32, 4294967295u), "4294967295"},
        {SyntaxGauge32, Number(KtVbType::Gauge32, 7), "7"},
        {SyntaxUnsigned32, Number(KtVbType::Gauge32, 8), "8"},
        {SyntaxTimeTicks, Number(KtVbType::TimeTicks, 8640000), "1 day 0:00:00.00"},
        {SyntaxTimeTicks, Number(KtVbType::TimeTicks, 17280001), "2 days, 0:00:00.01"},
        {SyntaxCounter64, Number(KtVbType::Counter64, 18446744073709551615ull), "18446744073709551615"},
        {SyntaxDouble, Octets("000000000000f03f"), "1"},
        {SyntaxDateAndTime, Octets("07d503070e0509002b0800"), "2005-3-7,14:5:9.0,+8:0"},
        {SyntaxDateAndTime, Octets("07d5"), "2005-0-0,0:0:0.0"},
        {SyntaxDateTimeValue, Octets(DoubleOctets(38418.75).toHex()), "2005/03/07 06:00:00 pm"},
        {SyntaxDisplayString, Octets("7570006a"), "up"},
        {SyntaxDisplayString, NoValue(KtVbType::NoSuchObject), ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(KtSyntaxName(c.syntax)) + " " + c.text);
        OneVar var(c.syntax, c.options);
        var.Conversion().VbToText(0, c.vb);
        EXPECT_EQ(var.Value(), c.text);
    }
}

TEST(KtValueConversion, ValueTextsBecomeBindingsForASet)
{
    struct Case
    {
        int syntax;
        const char *text;
        KtVb vb;
        const KtOptionList *options = nullptr;
    };
    const Case cases[] = {
        {SyntaxInteger, "(NULL)", KtVb()},
        {SyntaxOctets, "(NULL)", KtVb()},
        {SyntaxBoolean, "true", Number(KtVbType::Integer, 1)},
        {SyntaxBoolean, " false ", Number(KtVbType::Integer, 0)},
        {SyntaxInteger, " +0012 ", Number(KtVbType::Integer, 12)},
        {SyntaxOctets, "", Octets("")},
        {SyntaxInteger, "-12", Number(KtVbType::Integer, quint32(-12))},
        {SyntaxInteger, "learned", Number(KtVbType::Integer, 3), &FdbStatus},
        {SyntaxOctets, "00 1a 2b", Octets("001a2b")},
        {SyntaxOpaque, "1A2B3", Octets("01a2b3")},
        {SyntaxMacAddress, "001122334455", Octets("001122334455")},
        {SyntaxNull, "anything", KtVb()},
        {SyntaxOid, "1.3.6.1", ObjectId("1.3.6.1")},
        {SyntaxIpAddress, "192.168.0.1", Octets("c0a80001", KtVbType::IpAddress)},
        {SyntaxCounter32, "7", Number(KtVbType::Gauge32, 7)}, // goes on the wire as Gauge32
        {SyntaxTimeTicks, "1:02:03.04", Number(KtVbType::TimeTicks, 372304)},
        {SyntaxCounter64, "18446744073709551615", Number(KtVbType::Counter64, 18446744073709551615ull)},
        {SyntaxDouble, "1", Octets("000000000000f03f")},
        {SyntaxDateAndTime, "2005-3-7,14:5:9.0,+8:0", Octets("07d503070e0509002b0800")},
        {SyntaxDateTimeValue, "2005/03/07 06:00:00 pm", Octets(DoubleOctets(38418.75).toHex())},
        {SyntaxDisplayString, "up", Octets("7570")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(KtSyntaxName(c.syntax)) + " " + c.text);
        OneVar var(c.syntax, c.options);
        var.Value() = c.text;
        KtVb vb(KtOid{1, 2});
        var.Conversion().TextToVb(0, vb);
        KtVb expected = c.vb;
        expected.Oid = KtOid{1, 2};
        EXPECT_EQ(vb, expected);
    }
}

// A text that is not one whole value of its syntax is refused, value and
// index alike, with the variable's name and what the field takes; it used
// to send a leading part (12abc as 12), the first parts (10.9.9.0.7 as
// 10.9.9.0), a padded or cut MAC address, or "?" for a character.
TEST(KtValueConversion, TextsThatAreNoWholeValueAreRefusedByName)
{
    struct Case
    {
        int syntax;
        QString text;
        const char *message;
    };
    const Case cases[] = {
        {SyntaxInteger, "12abc", "v: '12abc' is not a whole number from -2147483648 to 2147483647."},
        {SyntaxInteger, "1 2", "v: '1 2' is not a whole number from -2147483648 to 2147483647."},
        {SyntaxInteger, "0x1F", "v: '0x1F' is not a whole number from -2147483648 to 2147483647."},
        {SyntaxInteger, "3.9", "v: '3.9' is not a whole number from -2147483648 to 2147483647."},
        {SyntaxInteger, "5e3", "v: '5e3' is not a whole number from -2147483648 to 2147483647."},
        {SyntaxInteger, "7E", "v: '7E' is not a whole number from -2147483648 to 2147483647."},
        {SyntaxInteger, "2147483648",
         "v: '2147483648' is not a whole number from -2147483648 to 2147483647."},
        {SyntaxGauge32, "-1", "v: '-1' is not a whole number from 0 to 4294967295."},
        {SyntaxCounter64, "1.5", "v: '1.5' is not a whole number from 0 to 18446744073709551615."},
        {SyntaxBoolean, "yes", "v: 'yes' is not true or false."},
        {SyntaxOctets, "0x1F",
         "v: '0x1F' is not octets in hexadecimal (digits 0 to 9 and A to F, two per octet)."},
        {SyntaxMacAddress, "0001020304", "v: '0001020304' is not a MAC address (12 hexadecimal digits)."},
        {SyntaxMacAddress, "00010203040506",
         "v: '00010203040506' is not a MAC address (12 hexadecimal digits)."},
        {SyntaxIpAddress, "10.9.9.0.7",
         "v: '10.9.9.0.7' is not an address of four numbers from 0 to 255 joined by dots."},
        {SyntaxNsapAddress, "1.2.3",
         "v: '1.2.3' is not an address of four numbers from 0 to 255 joined by dots."},
        {SyntaxIpAddress, "300.1.2.3",
         "v: '300.1.2.3' is not an address of four numbers from 0 to 255 joined by dots."},
        {SyntaxOid, "",
         "v: '' is not an object identifier (up to 128 numbers from 0 to 4294967295 joined by dots)."},
        {SyntaxTimeTicks, "12",
         "v: '12' is not a time from 0:00:00.00 to 497 days, 2:27:52.95 written h:mm:ss.hh, "
         "after a number of days if need be (2 days, 3:04:05.06)."},
        {SyntaxDouble, "inf", "v: 'inf' is not a decimal number."},
        {SyntaxDateTimeValue, "soon",
         "v: 'soon' is not a date and time written yyyy/mm/dd hh:nn:ss am or pm."},
        {SyntaxDisplayString, QString::fromUtf8("Büro€"),
         "v: The character '€' (U+20AC) cannot be written: the value takes Latin-1 characters only (U+0001 "
         "to "
         "U+00FF)."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        OneVar var(c.syntax);
        var.Value() = c.text;
        KtVb vb;
        vb.SetInteger(5);
        try {
            var.Conversion().TextToVb(0, vb);
            ADD_FAILURE() << "sent";
        } catch (const KtValueError &refused) {
            EXPECT_EQ(refused.Message, QString::fromUtf8(c.message));
        }
        EXPECT_EQ(vb.Int32(), 5); // the binding is left alone
        if (!c.text.isEmpty()) { // no value at all is the zero index of a walk
            EXPECT_THROW(var.Conversion().ValueToIndex(0), KtValueError);
        }
        EXPECT_EQ(var.Value(), c.text);
    }
}

TEST(KtValueConversion, UnknownCodesRaise)
{
    for (int syntax : {99, int(SyntaxPartBool8)}) {
        OneVar var(syntax);
        var.Value() = "true";
        KtVb vb;
        vb.SetInteger(5);
        EXPECT_EQ(CodeOf([&] { var.Conversion().TextToVb(0, vb); }), -511);
        EXPECT_EQ(vb.Int32(), 5);
    }

    OneVar unknown(99);
    unknown.Value() = "kept";
    EXPECT_EQ(CodeOf([&] { unknown.Conversion().VbToText(0, Number(KtVbType::Integer, 1)); }), -511);
    EXPECT_EQ(CodeOf([&] { unknown.Conversion().IndexToValue(0, "1"); }), -511);
    EXPECT_EQ(CodeOf([&] { unknown.Conversion().ValueToIndex(0); }), -511);
    EXPECT_EQ(unknown.Value(), "kept");
}

TEST(KtValueConversion, IndexSuffixesDecode)
{
    struct Case
    {
        int syntax;
        bool implied;
        const char *suffix;
        QString value;
        const char *rest;
    };
    const Case cases[] = {
        {SyntaxDisplayString, true, "97.98", "ab", ""},
        {SyntaxDisplayString, false, "2.97.98.5", "ab", "5"},
        {SyntaxDisplayString, false, "2.97", QString("a") + QChar(0),
         ""}, // a missing sub-identifier counts 0
        {SyntaxOctets, false, "3.1.2.255.9", "0102FF", "9"},
        {SyntaxOctets, true, "1.2.300", "01022C", ""}, // the low 8 bits
        {SyntaxMacAddress, false, "0.1.2.3.4.5", "000102030405", ""},
        {SyntaxMacAddress, false, "1.2", "010200000000", ""},
        {SyntaxOid, true, "1.3.6.1", "1.3.6.1", ""},
        {SyntaxOid, false, "3.1.3.6.9", "1.3.6", "9"},
        {SyntaxIpAddress, false, "10.0.0.1.7", "10.0.0.1", "7"},
        {SyntaxInteger, false, "4294967295", "-1", ""},
        {SyntaxBoolean, false, "2.1", "true", "1"},
        {SyntaxCounter32, false, "4294967295.1", "4294967295", "1"},
        {SyntaxTimeTicks, false, "8640000", "1 day 0:00:00.00", ""},
        {SyntaxCounter64, false, "1.2", "4294967298", ""},
        {SyntaxDouble, false, "0.1072693248", "1", ""},
        {SyntaxDateAndTime, false, "7.213.3.7.14.5.9.0.43.8.0.1", "2005-3-7,14:5:9.0,+8:0", "1"},
        {SyntaxNull, false, "5", "(NULL)", "5"},
        {SyntaxInteger, false, "", "0", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(KtSyntaxName(c.syntax)) + " " + c.suffix);
        OneVar var(c.syntax, nullptr, c.implied);
        EXPECT_EQ(var.Conversion().IndexToValue(0, c.suffix), c.rest);
        EXPECT_EQ(var.Value(), c.value);
    }
}

TEST(KtValueConversion, IndexValuesEncode)
{
    struct Case
    {
        int syntax;
        bool implied;
        const char *value;
        const char *index;
    };
    const Case cases[] = {
        {SyntaxDisplayString, true, "ab", "97.98"},
        {SyntaxDisplayString, false, "ab", "2.97.98"},
        {SyntaxDisplayString, false, "", "0"},
        {SyntaxOctets, false, "0102FF", "3.1.2.255"},
        {SyntaxBits, true, "1A2B3", "1.162.179"},
        {SyntaxMacAddress, false, "000102030405", "0.1.2.3.4.5"},
        {SyntaxMacAddress, false, "00 01 02 03 04 0a", "0.1.2.3.4.10"},
        {SyntaxOid, false, "1.3.6", "3.1.3.6"},
        {SyntaxOid, true, "1.3.6", "1.3.6"},
        {SyntaxIpAddress, false, "10.0.0.1", "10.0.0.1"},
        {SyntaxIpAddress, false, " 010.1.0.9 ", "10.1.0.9"},
        {SyntaxInteger, false, "-1", "4294967295"},
        {SyntaxBoolean, false, "true", "1"},
        {SyntaxBoolean, false, "false", "0"},
        {SyntaxTimeTicks, false, "1 day 0:00:00.00", "8640000"},
        {SyntaxCounter64, false, "4294967298", "1.2"},
        {SyntaxDouble, false, "1", "0.1072693248"},
        {SyntaxDateAndTime, false, "2005-3-7,14:5:9.0,+8:0", "7.213.3.7.14.5.9.0.43.8.0"},
        {SyntaxNull, false, "(NULL)", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(KtSyntaxName(c.syntax)) + " " + c.value);
        OneVar var(c.syntax, nullptr, c.implied);
        var.Value() = c.value;
        EXPECT_EQ(var.Conversion().ValueToIndex(0), c.index);
    }
}

TEST(KtValueConversion, FilteringDatabaseRowIndex)
{
    KtSNMPVarList fdb(Dot1qTpFdbTable, ListTable, 2);
    KtValueConversion conversion(fdb);
    QString rest = conversion.IndexToValue(0, "1.0.1.2.3.4.171");
    EXPECT_EQ(rest, "0.1.2.3.4.171");
    rest = conversion.IndexToValue(1, rest);
    EXPECT_EQ(rest, "");
    EXPECT_EQ(fdb.Get(0).Value, "1");
    EXPECT_EQ(fdb.Get(1).Value, "0001020304AB");
    EXPECT_EQ(conversion.ValueToIndex(0) + "." + conversion.ValueToIndex(1), "1.0.1.2.3.4.171");

    fdb.Get(3).Value = "learned";
    EXPECT_EQ(conversion.IndexToValue(3, "4"), "");
    EXPECT_EQ(fdb.Get(3).Value, "self");
    EXPECT_EQ(conversion.ValueToIndex(3), "4");
}

TEST(KtValueConversion, ImpliedCountsOnlyForTheLastIndex)
{
    constexpr KtSNMPVarDef table[] = {
        {"1.1", "first", SyntaxDisplayString, AccessImpliedIndex},
        {"1.2", "last", SyntaxDisplayString, AccessImpliedIndex},
        {},
    };
    KtSNMPVarList list(table, ListTable, 2);
    list.Get(0).Value = "ab";
    list.Get(1).Value = "cd";
    const KtValueConversion conversion(list);
    EXPECT_EQ(conversion.ValueToIndex(0), "2.97.98");
    EXPECT_EQ(conversion.ValueToIndex(1), "99.100");
}

TEST(KtValueConversion, ALengthBeyondTheSuffixIsBounded)
{
    OneVar var(SyntaxOctets);
    EXPECT_EQ(var.Conversion().IndexToValue(0, "4000000000.1.2"), "");
    EXPECT_EQ(var.Value().size(), 2 * 128);
    EXPECT_TRUE(var.Value().startsWith("0102000000"));
}

TEST(KtValueConversion, SubstitutionTurnsValuesIntoOperands)
{
    constexpr KtSNMPVarDef table[] = {
        {"1.0", "text", SyntaxDisplayString, AccessRead},
        {"1.1", "number", SyntaxInteger, AccessRead},
        {"1.2", "flag", SyntaxBoolean, AccessRead},
        {"1.3", "ticks", SyntaxTimeTicks, AccessRead},
        {"1.4", "when", SyntaxDateTimeValue, AccessRead},
        {"1.5", "status", SyntaxInteger, AccessRead, &FdbStatus},
        {"1.6", "part", SyntaxPartUInt16, AccessRead},
        {"1.7", "octets", SyntaxOctets, AccessRead},
        {},
    };
    KtSNMPVarList list(table);
    const char *values[] = {"up",      "10",  "true", "1 day 0:00:00.00", "2005/03/07 06:00:00 pm",
                            "learned", "258", "0A"};
    for (int i = 0; i < list.Count(); ++i)
        list.Get(i).Value = values[i];
    const KtValueConversion conversion(list);

    struct Case
    {
        const char *text;
        char marker;
        bool quote;
        const char *result;
    };
    const Case cases[] = {
        {"$0=\"up\"", '$', true, "\"up\"=\"up\""},
        {"$1>9", '$', true, "10>9"},
        {"$2+$3", '$', false, "1+8640000"},
        {"$4", '$', false, "38418.75"},
        {"$5*2", '$', false, "3*2"},
        {"$6", '$', false, "258"},
        {"$7", '$', true, "\"0A\""},
        {"#1=10", '#', true, "10=10"},
        {"$1 $", '$', true, "10 \"up\""}, // no digits: variable 0
        {"$01", '$', true, "10"},
        {"no marker", '$', false, "no marker"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(conversion.SubstituteVariables(c.text, QLatin1Char(c.marker), c.quote), c.result);
    }

    list.Get(0).Value = "$0"; // an inserted value is not substituted again
    EXPECT_EQ(conversion.SubstituteVariables("$0", QLatin1Char('$'), true), "\"$0\"");

    EXPECT_EQ(CodeOf([&] { conversion.SubstituteVariables("$0", QLatin1Char('$'), false); }), -513);
    EXPECT_EQ(CodeOf([&] { conversion.SubstituteVariables("$8", QLatin1Char('$'), true); }), -513);
    EXPECT_EQ(
        CodeOf([&] { conversion.SubstituteVariables("$99999999999999999999", QLatin1Char('$'), true); }),
        -513);
    list.Get(1).Value = "(NULL)";
    EXPECT_EQ(CodeOf([&] { conversion.SubstituteVariables("$1", QLatin1Char('$'), true); }), -512);
}

TEST(KtValueConversion, ConditionsOverTheVariables)
{
    constexpr KtSNMPVarDef table[] = {
        {"1.0", "state", SyntaxDisplayString, AccessRead}, {"1.1", "count", SyntaxInteger, AccessRead}, {}};
    KtSNMPVarList list(table);
    list.Get(0).Value = "up";
    list.Get(1).Value = "10";
    const KtValueConversion conversion(list);
    EXPECT_TRUE(conversion.EvaluateCondition(""));
    EXPECT_TRUE(conversion.EvaluateCondition("$0=\"up\""));
    EXPECT_FALSE(conversion.EvaluateCondition("$1>9")); // "10" sorts before "9"
    EXPECT_TRUE(conversion.EvaluateCondition("($0=\"up\")&($1=10)"));
    EXPECT_EQ(CodeOf([&] { conversion.EvaluateCondition("$0"); }), -1);
}

TEST(KtValueConversion, FormulasAfterReadAndBeforeWrite)
{
    struct Case
    {
        int syntax;
        const char *formula;
        const char *value;
    };
    const Case cases[] = {
        {SyntaxInteger, "$0/100", "25"},
        {SyntaxInteger, "10-2-3", "11"},
        {SyntaxInteger, "0-$0*1000000", "-2147483648"}, // held in the 32-bit range
        {SyntaxInteger, "7/2", "3"},
        {SyntaxInteger, "0-7/2", "-3"},
        {SyntaxBoolean, "$0-2500", "false"},
        {SyntaxGauge32, "0-1", "0"},
        {SyntaxTimeTicks, "$0*3456", "1 day 0:00:00.00"},
        {SyntaxCounter64, "$0*$0*$0*$0*$0*$0", "18446744073709551615"},
        {SyntaxDouble, "$0/3", "833.333333333333"},
        {SyntaxDateTimeValue, "38418+0.75", "2005/03/07 06:00:00 pm"},
        {SyntaxInteger, "", "kept"}, // no formula: nothing happens
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.formula);
        const KtSNMPVarDef table[] = {
            {"1.0", "raw", SyntaxInteger, AccessRead},
            {"1.1", "shown", KtSyntax(c.syntax), AccessReadWrite, nullptr, c.formula},
            {}};
        KtSNMPVarList list(table);
        list.Get(0).Value = "2500";
        list.Get(1).Value = "kept";
        KtValueConversion(list).ApplyFormula(1, true);
        EXPECT_EQ(list.Get(1).Value, c.value);
        KtValueConversion(list).ApplyFormula(1, false); // no write formula
        EXPECT_EQ(list.Get(1).Value, c.value);
    }

    const KtSNMPVarDef table[] = {
        {"1.0", "raw", SyntaxInteger, AccessRead},
        {"1.1", "status", SyntaxInteger, AccessReadWrite, &FdbStatus, "$0/1000", "$1*1000"},
        {"1.2", "octets", SyntaxOctets, AccessRead, nullptr, "$0"},
        {"1.3", "ratio", SyntaxInteger, AccessRead, nullptr, "100/($0-2500)"},
        {}};
    KtSNMPVarList list(table);
    list.Get(0).Value = "2500";
    KtValueConversion conversion(list);
    conversion.ApplyFormula(1, true);
    EXPECT_EQ(list.Get(1).Value, "invalid"); // mapped to its name
    list.Get(1).Value = "3";
    conversion.ApplyFormula(1, false);
    EXPECT_EQ(list.Get(1).Value, "3000");
    list.Get(2).Value = "kept";
    list.Get(3).Value = "kept";
    EXPECT_EQ(CodeOf([&] { conversion.ApplyFormula(2, true); }), -513);
    EXPECT_EQ(CodeOf([&] { conversion.ApplyFormula(3, true); }), -513); // division by zero
    EXPECT_EQ(list.Get(2).Value, "kept");
    EXPECT_EQ(list.Get(3).Value, "kept");
}
