// A response's variable binding, of any type and any length, decoded into
// a variable of each descriptor syntax through the request engine's own
// path: the binding is encoded as an agent would send it, parsed by the
// SNMP library and handed to the request's response decoding, for a scalar,
// a row and a table list (whose row index comes from the received OID).
#include "FuzzInput.h"
#include "KtException.h"
#include "KtSNMPRequest.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <vector>

namespace {

class DecodingRequest : public KtSNMPRequest
{
public:
    using KtSNMPRequest::Decode;
    using KtSNMPRequest::Decoded;
};

constexpr KtSyntax kSyntaxes[] = {
    SyntaxBoolean,    SyntaxInteger,     SyntaxBits,          SyntaxOctets,        SyntaxNull,
    SyntaxOid,        SyntaxIpAddress,   SyntaxCounter32,     SyntaxGauge32,       SyntaxTimeTicks,
    SyntaxOpaque,     SyntaxNsapAddress, SyntaxCounter64,     SyntaxUnsigned32,    SyntaxDouble,
    SyntaxMacAddress, SyntaxDateAndTime, SyntaxDateTimeValue, SyntaxDisplayString, SyntaxPartBool8,
    SyntaxPartInt8,   SyntaxPartUInt8,   SyntaxPartBool16,    SyntaxPartInt16,     SyntaxPartUInt16,
};
constexpr KtListKind kKinds[] = {ListScalars, ListRow, ListTable};

constexpr KtOptionDef kStatusPairs[] = {{1, "other"}, {3, "learned"}, {}};
const KtOptionList kStatus(kStatusPairs);

constexpr quint32 kColumn[] = {1, 3, 6, 1, 4, 1, 47893, 9, 1, 2};
constexpr quint32 kIndexColumn[] = {1, 3, 6, 1, 4, 1, 47893, 9, 1, 1};

QByteArray Length(qsizetype size)
{
    if (size < 0x80)
        return QByteArray(1, char(size));
    return QByteArray{"\x82"} + char(size >> 8) + char(size & 0xff);
}

QByteArray Tlv(quint8 tag, const QByteArray &content)
{
    return char(tag) + Length(content.size()) + content;
}

QByteArray Integer(int value)
{
    return Tlv(ASN_INTEGER, QByteArray(1, char(value)));
}

QByteArray SubIdentifier(quint32 value)
{
    QByteArray octets(1, char(value & 0x7f));
    for (value >>= 7; value != 0; value >>= 7)
        octets.prepend(char(0x80 | (value & 0x7f)));
    return octets;
}

QByteArray ObjectId(const std::vector<quint32> &ids)
{
    QByteArray content = SubIdentifier(ids[0] * 40 + ids[1]);
    for (size_t i = 2; i < ids.size(); ++i)
        content += SubIdentifier(ids[i]);
    return Tlv(ASN_OBJECT_ID, content);
}

// A Response PDU with one binding, as it follows the message header.
QByteArray ResponsePdu(const std::vector<quint32> &name, quint8 tag, const QByteArray &value)
{
    const QByteArray binding = Tlv(0x30, ObjectId(name) + Tlv(tag, value));
    return Tlv(SNMP_MSG_RESPONSE, Integer(1) + Integer(0) + Integer(0) + Tlv(0x30, binding));
}

QString OidText(const quint32 *ids, size_t count)
{
    QStringList parts;
    for (size_t i = 0; i < count; ++i)
        parts << QString::number(ids[i]);
    return parts.join('.');
}

void DecodeInto(KtSyntax syntax, KtListKind kind, const std::vector<quint32> &name, quint8 tag,
                const QByteArray &value)
{
    const QByteArray column = OidText(kColumn, std::size(kColumn)).toLatin1();
    const QByteArray index = OidText(kIndexColumn, std::size(kIndexColumn)).toLatin1();
    const KtOptionList *options = syntax == SyntaxInteger ? &kStatus : nullptr;
    const KtSNMPVarDef table[] = {{index.constData(), "index", syntax, AccessIndex, options},
                                  {column.constData(), "value", syntax, AccessRead, options},
                                  {}};
    DecodingRequest request;
    request.Vars = kind == ListTable ? KtSNMPVarList(table, kind, 1) : KtSNMPVarList(table + 1, kind, 0);
    if (kind == ListRow)
        request.Vars.Instance = QStringLiteral("7");

    QByteArray bytes = ResponsePdu(name, tag, value);
    snmp_pdu *response = snmp_pdu_create(SNMP_MSG_RESPONSE);
    size_t length = size_t(bytes.size());
    if (snmp_pdu_parse(response, reinterpret_cast<u_char *>(bytes.data()), &length) == 0) {
        DecodingRequest::Decoded outcome;
        try {
            request.Decode(response, outcome, false);
            FUZZ_CHECK(outcome.Code <= 0);
        } catch (const KtException &e) {
            FUZZ_CHECK(e.Code < 0 && e.Code >= -528);
        }
        for (int i = 0; i < request.Vars.Count(); ++i)
            (void)request.Vars.Get(i).Value.size();
    }
    snmp_free_pdu(response);
}

} // namespace

// Input: syntax, list kind, value tag, count of instance sub-identifiers,
// the sub-identifiers (4 octets each), then the value's octets.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    const KtSyntax syntax = kSyntaxes[data[0] % std::size(kSyntaxes)];
    const KtListKind kind = kKinds[data[1] % std::size(kKinds)];
    const quint8 tag = data[2];
    const size_t suffixCount = data[3] % 8;
    size_t at = 4;
    std::vector<quint32> name(std::begin(kColumn), std::end(kColumn));
    for (size_t i = 0; i < suffixCount && at + 4 <= size; ++i, at += 4)
        name.push_back(quint32(data[at]) | quint32(data[at + 1]) << 8 | quint32(data[at + 2]) << 16 |
                       quint32(data[at + 3]) << 24);
    if (kind == ListScalars && suffixCount == 0)
        name.push_back(0);
    const QByteArray value(reinterpret_cast<const char *>(data + at),
                           qsizetype(std::min<size_t>(size - at, 60000)));
    DecodeInto(syntax, kind, name, tag, value);
    return 0;
}
