#include "KtValueConversion.h"

#include "KtDateTime.h"
#include "KtErrorCode.h"
#include "KtExpression.h"
#include "KtTextForm.h"

#include <QStringList>
#include <cmath>
#include <cstring>
#include <limits>

using namespace KtTextForm;

namespace {

const QString NullText = QStringLiteral("(NULL)");
const QString NotDoneText = QStringLiteral("(NOTDONE)");

constexpr qint64 Int32Minimum = std::numeric_limits<qint32>::min();
constexpr qint64 Int32Maximum = std::numeric_limits<qint32>::max();
constexpr qint64 UInt32Maximum = std::numeric_limits<quint32>::max();

// An SNMP OID has at most 128 sub-identifiers, so no valid length
// sub-identifier is larger; a larger one cannot make a value longer.
constexpr quint32 MaxIndexLength = 128;

// Reads sub-identifiers from the front of a dotted suffix text.
class SuffixReader
{
public:
    explicit SuffixReader(const QString &suffix) : text_(suffix), done_(suffix.isEmpty()) {}

    bool AtEnd() const { return done_; }

    // The next sub-identifier (its leading decimal digits, at most 2^32 - 1),
    // or 0 past the end.
    quint32 Next()
    {
        if (done_)
            return 0;
        const qsizetype dot = text_.indexOf(QLatin1Char('.'), pos_);
        const qsizetype end = dot < 0 ? text_.size() : dot;
        quint64 value = 0;
        for (qsizetype p = pos_; p < end && text_[p] >= QLatin1Char('0') && text_[p] <= QLatin1Char('9'); ++p)
            value = std::min<quint64>(value * 10 + (text_[p].unicode() - '0'), 0xFFFFFFFFu);
        done_ = dot < 0;
        pos_ = done_ ? text_.size() : dot + 1;
        return quint32(value);
    }

    QByteArray NextOctets(quint32 count)
    {
        QByteArray octets;
        for (quint32 k = 0; k < count; ++k)
            octets.append(char(Next() & 0xFF));
        return octets;
    }

    // A length sub-identifier and that many octets, or all that remain.
    QByteArray NextString(bool implied)
    {
        if (!implied)
            return NextOctets(std::min(Next(), MaxIndexLength));
        QByteArray octets;
        while (!AtEnd())
            octets.append(char(Next() & 0xFF));
        return octets;
    }

    QString Rest() const { return done_ ? QString() : text_.mid(pos_); }
    void SkipRest() { done_ = true; }

private:
    const QString &text_;
    qsizetype pos_ = 0;
    bool done_;
};

double DoubleOf(quint32 low, quint32 high)
{
    const quint64 bits = quint64(high) << 32 | low;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

quint64 BitsOf(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// A number truncated towards zero and held within T's range (NaN gives 0).
template <typename T> T Truncated(long double x)
{
    if (!(x == x))
        return 0;
    if (x <= static_cast<long double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (x >= static_cast<long double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return T(x);
}

bool IsOctetCode(int syntax)
{
    return syntax == SyntaxBits || syntax == SyntaxOctets || syntax == SyntaxOpaque ||
           syntax == SyntaxMacAddress;
}

bool CanBeImplied(int syntax)
{
    return syntax == SyntaxBits || syntax == SyntaxOctets || syntax == SyntaxOpaque || syntax == SyntaxOid ||
           syntax == SyntaxDisplayString;
}

// The text form of a binding that carries a value the type code can read.
QString TextOfValue(const KtVb &vb, int syntax)
{
    switch (syntax) {
    case SyntaxBoolean:
        return vb.IsNumber() ? (vb.Int32() != 0 ? QStringLiteral("true") : QStringLiteral("false"))
                             : NullText;
    case SyntaxInteger:
        return vb.IsNumber() ? QString::number(vb.Int32()) : NullText;
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
        return vb.IsNumber() ? QString::number(vb.UInt32()) : NullText;
    case SyntaxTimeTicks:
        return vb.IsNumber() ? TimeTicksToText(vb.UInt32()) : NullText;
    case SyntaxCounter64:
        return vb.IsNumber() ? QString::number(vb.UInt64()) : NullText;
    case SyntaxOid:
        return vb.IsObjectId() ? vb.ObjectIdValue().ToText() : NullText;
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return vb.IsOctets() ? IpAddressToText(vb.Octets()) : NullText;
    case SyntaxDouble:
        return vb.IsOctets() ? DoubleToText(OctetsToDouble(vb.Octets())) : NullText;
    case SyntaxDateAndTime:
        return vb.IsOctets() ? KtDateTime::FromOctets(vb.Octets()).ToText() : NullText;
    case SyntaxDateTimeValue:
        return vb.IsOctets() ? DayCountToText(OctetsToDouble(vb.Octets())) : NullText;
    case SyntaxNull:
        return NullText;
    default:
        KtRaise(KtErrBadSyntax);
    }
}

void AppendOctets(QStringList &ids, const QByteArray &octets)
{
    for (char octet : octets)
        ids.append(QString::number(quint8(octet)));
}

// Two 32-bit sub-identifiers, each the low 32 bits of its argument.
void AppendWords(QStringList &ids, quint64 first, quint64 second)
{
    ids.append(QString::number(quint32(first)));
    ids.append(QString::number(quint32(second)));
}

// Beyond the range of a double, the infinity of its sign.
double ToDouble(long double x)
{
    if (x > std::numeric_limits<double>::max())
        return std::numeric_limits<double>::infinity();
    if (x < -std::numeric_limits<double>::max())
        return -std::numeric_limits<double>::infinity();
    return double(x);
}

} // namespace

QString KtValueConversion::NameToValue(const KtSNMPVar &var) const
{
    return var.Options ? var.Options->NameToValue(var.Value) : var.Value;
}

QString KtValueConversion::ValueToName(const KtSNMPVar &var, const QString &text)
{
    return var.Options ? var.Options->ValueToName(text) : text;
}

bool KtValueConversion::IsImpliedIndex(int i) const
{
    return i == vars_.IndexCount - 1 && vars_.IsImplied(i);
}

void KtValueConversion::VbToText(int i, const KtVb &vb)
{
    KtSNMPVar &var = vars_.Get(i);
    QString text;
    if (IsOctetCode(var.Syntax))
        text = OctetsToHex(vb.IsOctets() ? vb.Octets() : QByteArray());
    else if (var.Syntax == SyntaxDisplayString)
        text = vb.IsOctets() ? OctetsToDisplayString(vb.Octets()) : QString("");
    else if (!vb.HasValue())
        text = TextOfValue(KtVb(), var.Syntax); // "(NULL)", or -511 for an unknown code
    else
        text = TextOfValue(vb, var.Syntax);
    var.Value = ValueToName(var, text);
}

void KtValueConversion::TextToVb(int i, KtVb &vb) const
{
    const KtSNMPVar &var = vars_.Get(i);
    try {
        TextToValue(var, NameToValue(var), vb);
    } catch (const KtValueError &error) {
        throw error.ForField(var.Name);
    }
}

void KtValueConversion::TextToValue(const KtSNMPVar &var, const QString &text, KtVb &vb)
{
    if (text == NullText) {
        vb.SetNull();
        return;
    }
    switch (var.Syntax) {
    case SyntaxBoolean:
        vb.SetInteger(ReadTruthValue(text) ? 1 : 0);
        return;
    case SyntaxInteger:
        vb.SetInteger(qint32(ReadWholeNumber(text, Int32Minimum, Int32Maximum)));
        return;
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
        vb.SetOctets(ReadHexOctets(text));
        return;
    case SyntaxMacAddress:
        vb.SetOctets(ReadMacAddress(text));
        return;
    case SyntaxNull:
        vb.SetNull();
        return;
    case SyntaxOid:
        vb.SetObjectId(ReadObjectId(text));
        return;
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        vb.SetIpAddress(ReadDottedQuad(text));
        return;
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
        vb.SetUnsigned(KtVbType::Gauge32, quint32(ReadWholeNumber(text, 0, UInt32Maximum)));
        return;
    case SyntaxTimeTicks:
        vb.SetUnsigned(KtVbType::TimeTicks, ReadTimeTicks(text));
        return;
    case SyntaxCounter64:
        vb.SetCounter64(ReadCounter64(text));
        return;
    case SyntaxDouble:
        vb.SetOctets(DoubleToOctets(ReadDecimal(text)));
        return;
    case SyntaxDateAndTime:
        vb.SetOctets(KtDateTime::Read(text).ToOctets());
        return;
    case SyntaxDateTimeValue:
        vb.SetOctets(DoubleToOctets(ReadDayCount(text)));
        return;
    case SyntaxDisplayString:
        vb.SetOctets(ReadDisplayString(text));
        return;
    default:
        KtRaise(KtErrBadSyntax);
    }
}

QString KtValueConversion::IndexToValue(int i, const QString &suffix)
{
    KtSNMPVar &var = vars_.Get(i);
    const bool implied = IsImpliedIndex(i);
    SuffixReader reader(suffix);
    QString text;
    switch (var.Syntax) {
    case SyntaxBoolean:
        text = reader.Next() != 0 ? QStringLiteral("true") : QStringLiteral("false");
        break;
    case SyntaxInteger:
        text = QString::number(qint32(reader.Next()));
        break;
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
        text = OctetsToHex(reader.NextString(implied));
        break;
    case SyntaxNull:
        text = NullText;
        break;
    case SyntaxOid:
        if (implied) {
            text = reader.Rest();
            reader.SkipRest();
        } else {
            KtOid oid;
            for (quint32 k = std::min(reader.Next(), MaxIndexLength); k > 0; --k)
                oid.Append(reader.Next());
            text = oid.ToText();
        }
        break;
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        text = IpAddressToText(reader.NextOctets(4));
        break;
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
        text = QString::number(reader.Next());
        break;
    case SyntaxTimeTicks:
        text = TimeTicksToText(reader.Next());
        break;
    case SyntaxCounter64: {
        const quint64 high = reader.Next();
        text = QString::number(high << 32 | reader.Next());
        break;
    }
    case SyntaxDouble: {
        const quint32 low = reader.Next();
        text = DoubleToText(DoubleOf(low, reader.Next()));
        break;
    }
    case SyntaxMacAddress:
        text = OctetsToHex(reader.NextOctets(6));
        break;
    case SyntaxDateAndTime:
        text = KtDateTime::FromOctets(reader.NextOctets(KtDateTime::WireLength)).ToText();
        break;
    case SyntaxDateTimeValue: {
        const quint32 low = reader.Next();
        text = DayCountToText(DoubleOf(low, reader.Next()));
        break;
    }
    case SyntaxDisplayString:
        text = QString::fromLatin1(reader.NextString(implied));
        break;
    default:
        KtRaise(KtErrBadSyntax);
    }
    var.Value = ValueToName(var, text);
    return reader.Rest();
}

QString KtValueConversion::ValueToIndex(int i) const
{
    const KtSNMPVar &var = vars_.Get(i);
    const bool withLength = !(IsImpliedIndex(i) && CanBeImplied(var.Syntax));
    const QString text = NameToValue(var);
    if (text.isEmpty() || text == NullText || text == NotDoneText)
        return MissingValueIds(var.Syntax, withLength).join(QLatin1Char('.'));
    try {
        return IndexIds(var, text, withLength).join(QLatin1Char('.'));
    } catch (const KtValueError &error) {
        throw error.ForField(var.Name);
    }
}

// A value that is not there (none read yet, "(NULL)", or "(NOTDONE)" for a
// column that has left the table during a walk) names no row; the walk
// still needs an OID for such a column, the one of the zero index. Writes
// refuse such an index before they get here.
QStringList KtValueConversion::MissingValueIds(int syntax, bool withLength)
{
    switch (syntax) {
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxOid:
    case SyntaxDisplayString:
        return withLength ? QStringList{QStringLiteral("0")} : QStringList{};
    case SyntaxNull:
        return {};
    case SyntaxCounter64:
    case SyntaxDouble:
    case SyntaxDateTimeValue:
        return QStringList(2, QStringLiteral("0"));
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return QStringList(4, QStringLiteral("0"));
    case SyntaxMacAddress:
        return QStringList(6, QStringLiteral("0"));
    case SyntaxDateAndTime:
        return QStringList(KtDateTime::WireLength, QStringLiteral("0"));
    default:
        return {QStringLiteral("0")};
    }
}

// An index is the value itself: it is read as strictly as a value that is
// written, so that no text becomes the instance of a row nobody typed.
QStringList KtValueConversion::IndexIds(const KtSNMPVar &var, const QString &text, bool withLength)
{
    QStringList ids;
    switch (var.Syntax) {
    case SyntaxBoolean:
        ids.append(ReadTruthValue(text) ? QStringLiteral("1") : QStringLiteral("0"));
        break;
    case SyntaxInteger:
        ids.append(QString::number(quint32(qint32(ReadWholeNumber(text, Int32Minimum, Int32Maximum)))));
        break;
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
        ids.append(QString::number(ReadWholeNumber(text, 0, UInt32Maximum)));
        break;
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxDisplayString: {
        const QByteArray octets =
            var.Syntax == SyntaxDisplayString ? ReadDisplayString(text) : ReadHexOctets(text);
        if (withLength)
            ids.append(QString::number(octets.size()));
        AppendOctets(ids, octets);
        break;
    }
    case SyntaxNull:
        break;
    case SyntaxOid: {
        const KtOid oid = ReadObjectId(text);
        if (withLength)
            ids.append(QString::number(oid.Size()));
        for (quint32 id : oid.Ids())
            ids.append(QString::number(id));
        break;
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        AppendOctets(ids, ReadDottedQuad(text));
        break;
    case SyntaxTimeTicks:
        ids.append(QString::number(ReadTimeTicks(text)));
        break;
    case SyntaxCounter64: {
        const quint64 value = ReadCounter64(text);
        AppendWords(ids, value >> 32, value);
        break;
    }
    case SyntaxDouble: {
        const quint64 bits = BitsOf(ReadDecimal(text));
        AppendWords(ids, bits, bits >> 32);
        break;
    }
    case SyntaxMacAddress:
        AppendOctets(ids, ReadMacAddress(text));
        break;
    case SyntaxDateAndTime:
        AppendOctets(ids, KtDateTime::Read(text).ToOctets());
        break;
    case SyntaxDateTimeValue: {
        const quint64 bits = BitsOf(ReadDayCount(text));
        AppendWords(ids, bits, bits >> 32);
        break;
    }
    default:
        KtRaise(KtErrBadSyntax);
    }
    return ids;
}

QString KtValueConversion::SubstituteVariables(const QString &text, QChar marker, bool quoteStrings) const
{
    QString result = text;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = result.indexOf(marker, from);
        if (at < 0)
            return result;
        qsizetype end = at + 1;
        qint64 position = 0;
        for (; end < result.size() && result[end] >= QLatin1Char('0') && result[end] <= QLatin1Char('9');
             ++end)
            position = std::min<qint64>(position * 10 + (result[end].unicode() - '0'), qint64(1) << 40);
        if (position >= vars_.Count())
            KtRaise(KtErrBadExpression);
        const KtSNMPVar &var = vars_.Get(int(position));
        const QString value = NameToValue(var);
        if (value == NullText)
            KtRaise(KtErrNullInExpression);
        QString operand;
        switch (var.Syntax) {
        case SyntaxBoolean:
        case SyntaxPartBool8:
        case SyntaxPartBool16:
            operand = value == QLatin1String("true") ? QStringLiteral("1") : QStringLiteral("0");
            break;
        case SyntaxInteger:
        case SyntaxCounter32:
        case SyntaxGauge32:
        case SyntaxCounter64:
        case SyntaxUnsigned32:
        case SyntaxDouble:
        case SyntaxPartInt8:
        case SyntaxPartUInt8:
        case SyntaxPartInt16:
        case SyntaxPartUInt16:
            operand = value;
            break;
        case SyntaxTimeTicks:
            operand = QString::number(TextToTimeTicks(value));
            break;
        case SyntaxDateTimeValue: {
            const std::optional<double> days = TextToDayCount(value);
            if (!days)
                KtRaise(KtErrBadExpression);
            operand = QString::number(*days, 'g', 15);
            break;
        }
        default:
            if (!quoteStrings)
                KtRaise(KtErrBadExpression);
            operand = QLatin1Char('"') + value + QLatin1Char('"');
        }
        result.replace(at, end - at, operand);
        from = at + operand.size();
    }
}

void KtValueConversion::ApplyFormula(int i, bool afterRead)
{
    KtSNMPVar &var = vars_.Get(i);
    const QString &formula = afterRead ? var.ReadFormula : var.WriteFormula;
    if (formula.isEmpty())
        return;
    const long double x =
        KtExpression::EvaluateArithmetic(SubstituteVariables(formula, QLatin1Char('$'), false));
    QString text;
    switch (var.Syntax) {
    case SyntaxBoolean:
        text = x != 0 ? QStringLiteral("true") : QStringLiteral("false");
        break;
    case SyntaxInteger:
        text = QString::number(Truncated<qint32>(x));
        break;
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
        text = QString::number(Truncated<quint32>(x));
        break;
    case SyntaxTimeTicks:
        text = TimeTicksToText(Truncated<quint32>(x));
        break;
    case SyntaxCounter64:
        text = QString::number(Truncated<quint64>(x));
        break;
    case SyntaxDouble:
        text = DoubleToText(ToDouble(x));
        break;
    case SyntaxDateTimeValue:
        text = DayCountToText(ToDouble(x));
        break;
    default:
        KtRaise(KtErrBadExpression);
    }
    var.Value = ValueToName(var, text);
}

bool KtValueConversion::EvaluateCondition(const QString &text) const
{
    if (text.isEmpty())
        return true;
    return KtExpression::EvaluateBoolean(SubstituteVariables(text, QLatin1Char('$'), true));
}
