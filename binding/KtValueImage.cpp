#include "KtValueImage.h"

#include "KtDateTime.h"
#include "KtErrorCode.h"
#include "KtOid.h"
#include "KtTextForm.h"

#include <QtEndian>
#include <cstring>

using namespace KtTextForm;

namespace {

constexpr int kPartBadValue = -518;
constexpr int kPartOutOfRange = -519;

bool IsVariableLength(int syntax)
{
    return syntax == SyntaxBits || syntax == SyntaxOctets || syntax == SyntaxOid || syntax == SyntaxOpaque ||
           syntax == SyntaxDisplayString;
}

template <typename T> QByteArray LittleEndian(T value)
{
    QByteArray bytes(int(sizeof(T)), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray NetworkOrder16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

template <typename T> T ReadLittleEndian(const QByteArray &image, int offset = 0)
{
    return qFromLittleEndian<T>(image.constData() + offset);
}

quint16 ReadNetworkOrder16(const QByteArray &image)
{
    return qFromBigEndian<quint16>(image.constData());
}

int MinimumLength(int syntax)
{
    switch (syntax) {
    case SyntaxBoolean:
    case SyntaxInteger:
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
    case SyntaxTimeTicks:
        return 4;
    case SyntaxCounter64:
    case SyntaxDouble:
    case SyntaxDateTimeValue:
        return 8;
    case SyntaxMacAddress:
        return 6;
    case SyntaxDateAndTime:
        return KtDateTime::WireLength;
    case SyntaxPartBool16:
    case SyntaxPartInt16:
    case SyntaxPartUInt16:
        return 2;
    case SyntaxNull:
    case SyntaxDisplayString:
        return 0;
    default:
        return 1;
    }
}

bool IsKnown(int syntax)
{
    switch (syntax) {
    case SyntaxBoolean:
    case SyntaxInteger:
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxNull:
    case SyntaxOid:
    case SyntaxIpAddress:
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxTimeTicks:
    case SyntaxOpaque:
    case SyntaxNsapAddress:
    case SyntaxCounter64:
    case SyntaxUnsigned32:
    case SyntaxDouble:
    case SyntaxMacAddress:
    case SyntaxDateAndTime:
    case SyntaxDateTimeValue:
    case SyntaxDisplayString:
    case SyntaxPartBool8:
    case SyntaxPartInt8:
    case SyntaxPartUInt8:
    case SyntaxPartBool16:
    case SyntaxPartInt16:
    case SyntaxPartUInt16:
        return true;
    default:
        return false;
    }
}

} // namespace

QByteArray EncodeValue(const QString &text, int syntax)
{
    if (!IsKnown(syntax))
        KtRaise(KtErrBadSyntax);
    if (text == QLatin1String("(NULL)"))
        return {};
    switch (syntax) {
    case SyntaxBoolean:
        return LittleEndian<qint32>(ReadTruthValue(text) ? 1 : 0);
    case SyntaxPartBool8:
        return QByteArray(1, ReadTruthValue(text) ? '\1' : '\0');
    case SyntaxPartBool16:
        return NetworkOrder16(ReadTruthValue(text) ? 1 : 0);
    case SyntaxInteger:
        return LittleEndian<quint32>(quint32(ReadWholeNumber(text, INT32_MIN, INT32_MAX)));
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
        return LittleEndian<quint32>(quint32(ReadWholeNumber(text, 0, UINT32_MAX)));
    case SyntaxPartInt8:
        return QByteArray(1, char(quint8(ReadWholeNumber(text, INT8_MIN, INT8_MAX))));
    case SyntaxPartUInt8:
        return QByteArray(1, char(quint8(ReadWholeNumber(text, 0, UINT8_MAX))));
    case SyntaxPartInt16:
    case SyntaxPartUInt16:
        return NetworkOrder16(quint16(ReadWholeNumber(text, 0, UINT16_MAX)));
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
        return ReadHexOctets(text);
    case SyntaxMacAddress:
        return ReadMacAddress(text);
    case SyntaxNull:
        return {};
    case SyntaxOid: {
        QByteArray image;
        const KtOid oid = ReadObjectId(text);
        for (quint32 id : oid.Ids())
            image += LittleEndian<quint32>(id);
        return image;
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return ReadDottedQuad(text);
    case SyntaxTimeTicks:
        return LittleEndian<quint32>(ReadTimeTicks(text));
    case SyntaxCounter64: {
        const quint64 value = ReadCounter64(text);
        return LittleEndian<quint32>(quint32(value)) + LittleEndian<quint32>(quint32(value >> 32));
    }
    case SyntaxDouble:
        return DoubleToOctets(ReadDecimal(text));
    case SyntaxDateAndTime:
        return KtDateTime::Read(text).ToOctets();
    case SyntaxDateTimeValue:
        return DoubleToOctets(ReadDayCount(text));
    case SyntaxDisplayString:
        return ReadDisplayString(text);
    }
    KtRaise(KtErrBadSyntax);
}

QByteArray ImageOfShownValue(const QString &text, int syntax)
{
    try {
        return EncodeValue(text, syntax);
    } catch (const KtValueError &) {
        return {};
    }
}

QString DecodeValue(const QByteArray &image, int syntax)
{
    if (!IsKnown(syntax))
        KtRaise(KtErrBadSyntax);
    if (syntax == SyntaxNull)
        return QStringLiteral("(NULL)");
    if (image.isEmpty())
        return syntax == SyntaxDisplayString ? QString() : QStringLiteral("(NULL)");
    if (image.size() < MinimumLength(syntax))
        KtRaise(kPartBadValue);
    switch (syntax) {
    case SyntaxBoolean:
        return ReadLittleEndian<qint32>(image) != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case SyntaxInteger:
        return QString::number(ReadLittleEndian<qint32>(image));
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxMacAddress:
        return OctetsToHex(image);
    case SyntaxOid: {
        QStringList ids;
        for (int at = 0; at + 4 <= image.size(); at += 4)
            ids << QString::number(ReadLittleEndian<quint32>(image, at));
        return ids.join(QLatin1Char('.'));
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        return IpAddressToText(image);
    case SyntaxCounter32:
    case SyntaxGauge32:
    case SyntaxUnsigned32:
        return QString::number(ReadLittleEndian<quint32>(image));
    case SyntaxTimeTicks:
        return TimeTicksToText(ReadLittleEndian<quint32>(image));
    case SyntaxCounter64:
        return QString::number(quint64(ReadLittleEndian<quint32>(image)) |
                               (quint64(ReadLittleEndian<quint32>(image, 4)) << 32));
    case SyntaxDouble:
        return DoubleToText(OctetsToDouble(image));
    case SyntaxDateAndTime:
        return KtDateTime::FromOctets(image).ToText();
    case SyntaxDateTimeValue:
        return DayCountToText(OctetsToDouble(image));
    case SyntaxDisplayString:
        return OctetsToDisplayString(image);
    case SyntaxPartBool8:
        return image.at(0) != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case SyntaxPartInt8:
        return QString::number(qint8(image.at(0)));
    case SyntaxPartUInt8:
        return QString::number(quint8(image.at(0)));
    case SyntaxPartBool16:
        return ReadNetworkOrder16(image) != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case SyntaxPartInt16:
    case SyntaxPartUInt16:
        return QString::number(ReadNetworkOrder16(image));
    }
    KtRaise(KtErrBadSyntax);
}

int PartSize(int syntax)
{
    if (!IsKnown(syntax))
        KtRaise(KtErrBadSyntax);
    if (syntax == SyntaxNull)
        return 0;
    if (IsVariableLength(syntax))
        return -1;
    return MinimumLength(syntax);
}

QByteArray ExtractPart(const QByteArray &image, int offset, int syntax)
{
    const int size = PartSize(syntax);
    if (image.isEmpty() || size == 0)
        return {};
    if (size < 0)
        return offset < image.size() ? image.mid(offset) : QByteArray();
    if (offset < 0 || image.size() < offset + size)
        KtRaise(kPartOutOfRange);
    return image.mid(offset, size);
}

QByteArray PatchPart(QByteArray image, int offset, const QByteArray &part)
{
    if (offset < 0)
        offset = 0;
    if (image.size() < offset + part.size())
        image.append(QByteArray(offset + part.size() - image.size(), '\0'));
    std::memcpy(image.data() + offset, part.constData(), size_t(part.size()));
    return image;
}
