#include "KtRawValue.h"

#include "KtTextForm.h"

#include <QList>

namespace {

struct TypeWord
{
    KtVbType Type;
    const char *Word;
};

constexpr TypeWord TypeWords[] = {
    {KtVbType::Integer, "integer"},     {KtVbType::OctetString, "octets"},
    {KtVbType::Null, "null"},           {KtVbType::ObjectId, "oid"},
    {KtVbType::IpAddress, "ipaddress"}, {KtVbType::Counter32, "counter32"},
    {KtVbType::Gauge32, "gauge32"},     {KtVbType::TimeTicks, "timeticks"},
    {KtVbType::Opaque, "opaque"},       {KtVbType::Counter64, "counter64"},
};

std::optional<KtVbType> TypeOfWord(QStringView word)
{
    for (const TypeWord &entry : TypeWords)
        if (word == QLatin1String(entry.Word))
            return entry.Type;
    return std::nullopt;
}

const char *WordOf(KtVbType type)
{
    for (const TypeWord &entry : TypeWords)
        if (entry.Type == type)
            return entry.Word;
    return nullptr;
}

bool IsUpperHex(QStringView text)
{
    if (text.size() % 2 != 0)
        return false;
    for (QChar c : text)
        if (!c.isDigit() && (c < QLatin1Char('A') || c > QLatin1Char('F')))
            return false;
    return true;
}

std::optional<quint64> Unsigned(QStringView text, quint64 maximum)
{
    if (text.isEmpty() || text.size() > 20)
        return std::nullopt;
    for (QChar c : text)
        if (!c.isDigit())
            return std::nullopt;
    bool ok = false;
    const quint64 value = text.toULongLong(&ok);
    if (!ok || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<QByteArray> DottedQuad(QStringView text)
{
    const auto parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return std::nullopt;
    QByteArray octets;
    for (QStringView part : parts) {
        if (part.size() > 3)
            return std::nullopt;
        const auto value = Unsigned(part, 255);
        if (!value)
            return std::nullopt;
        octets.append(char(*value));
    }
    return octets;
}

} // namespace

std::optional<QString> KtRawValue::Text(const KtVb &vb)
{
    const char *word = WordOf(vb.Type());
    if (!word)
        return std::nullopt;
    const QString prefix = QString::fromLatin1(word) + QLatin1Char(':');
    switch (vb.Type()) {
    case KtVbType::Integer:
        return prefix + QString::number(vb.Int32());
    case KtVbType::Counter32:
    case KtVbType::Gauge32:
    case KtVbType::TimeTicks:
        return prefix + QString::number(vb.UInt32());
    case KtVbType::Counter64:
        return prefix + QString::number(vb.UInt64());
    case KtVbType::OctetString:
    case KtVbType::Opaque:
        return prefix + KtTextForm::OctetsToHex(vb.Octets());
    case KtVbType::IpAddress:
        return prefix + KtTextForm::IpAddressToText(vb.Octets());
    case KtVbType::ObjectId:
        return prefix + vb.ObjectIdValue().ToText();
    default:
        return prefix;
    }
}

std::optional<KtVb> KtRawValue::Parse(QStringView text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const auto type = TypeOfWord(text.left(colon));
    const QStringView value = text.mid(colon + 1);
    if (!type)
        return std::nullopt;
    KtVb vb;
    switch (*type) {
    case KtVbType::Integer: {
        const bool negative = value.startsWith(QLatin1Char('-'));
        const auto magnitude =
            Unsigned(negative ? value.mid(1) : value, negative ? 2147483648u : 2147483647u);
        if (!magnitude)
            return std::nullopt;
        vb.SetInteger(qint32(negative ? -qint64(*magnitude) : qint64(*magnitude)));
        return vb;
    }
    case KtVbType::Counter32:
    case KtVbType::Gauge32:
    case KtVbType::TimeTicks: {
        const auto number = Unsigned(value, 4294967295u);
        if (!number)
            return std::nullopt;
        vb.SetUnsigned(*type, quint32(*number));
        return vb;
    }
    case KtVbType::Counter64: {
        const auto number = Unsigned(value, ~quint64(0));
        if (!number)
            return std::nullopt;
        vb.SetCounter64(*number);
        return vb;
    }
    case KtVbType::OctetString:
    case KtVbType::Opaque:
        if (!IsUpperHex(value))
            return std::nullopt;
        vb.SetOctets(KtTextForm::HexToOctets(value), *type);
        return vb;
    case KtVbType::IpAddress: {
        const auto octets = DottedQuad(value);
        if (!octets)
            return std::nullopt;
        vb.SetIpAddress(*octets);
        return vb;
    }
    case KtVbType::ObjectId: {
        bool ok = false;
        const KtOid oid = KtOid::FromText(value, &ok);
        if (!ok || value.trimmed().size() != value.size() || value.startsWith(QLatin1Char('.')))
            return std::nullopt;
        vb.SetObjectId(oid);
        return vb;
    }
    default:
        if (!value.isEmpty())
            return std::nullopt;
        vb.SetNull();
        return vb;
    }
}

QString KtRawValue::TypeOf(QStringView text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : text.left(colon).toString();
}

QString KtRawValue::ValueOf(QStringView text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : text.mid(colon + 1).toString();
}

QString KtRawValue::ExceptionName(KtVbType type)
{
    switch (type) {
    case KtVbType::NoSuchObject:
        return QStringLiteral("noSuchObject");
    case KtVbType::NoSuchInstance:
        return QStringLiteral("noSuchInstance");
    case KtVbType::EndOfMibView:
        return QStringLiteral("endOfMibView");
    default:
        return QStringLiteral("no value");
    }
}
