#pragma once

#include "KtOid.h"

#include <QByteArray>

// The SNMP value types, numbered by their ASN.1 tags (the exceptions by their
// context tags), so that the SNMP library's type codes convert one to one.
enum class KtVbType : quint8
{
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42, // also Unsigned32
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
    NoSuchObject = 0x80,
    NoSuchInstance = 0x81,
    EndOfMibView = 0x82,
};

// One variable binding: an OID and a typed value. A value is a number
// (Integer, Counter32, Gauge32, TimeTicks, Counter64), octets (OctetString,
// Opaque, IpAddress), an OID (ObjectId), or no value at all (Null and the
// three exceptions).
class KtVb
{
public:
    KtVb() = default;
    explicit KtVb(KtOid oid) : Oid(std::move(oid)) {}

    KtOid Oid;

    KtVbType Type() const { return type_; }

    // The setters replace the value and keep the OID.
    void SetNull() { Set(KtVbType::Null); }
    // Null or one of the three exceptions.
    void SetNoValue(KtVbType type) { Set(type); }
    void SetInteger(qint32 value) { Set(KtVbType::Integer, quint32(value)); }
    // Counter32, Gauge32 or TimeTicks.
    void SetUnsigned(KtVbType type, quint32 value) { Set(type, value); }
    void SetCounter64(quint64 value) { Set(KtVbType::Counter64, value); }
    // OctetString or Opaque.
    void SetOctets(QByteArray octets, KtVbType type = KtVbType::OctetString);
    // Four octets.
    void SetIpAddress(QByteArray octets) { SetOctets(std::move(octets), KtVbType::IpAddress); }
    void SetObjectId(KtOid oid);

    bool HasValue() const;
    bool IsNumber() const;
    bool IsOctets() const;
    bool IsObjectId() const { return type_ == KtVbType::ObjectId; }

    // The number's low 32 bits, signed or unsigned, or all 64; 0 for a value
    // that is not a number.
    qint32 Int32() const { return qint32(quint32(number_)); }
    quint32 UInt32() const { return quint32(number_); }
    quint64 UInt64() const { return number_; }
    // Empty unless the value is octets.
    const QByteArray &Octets() const { return octets_; }
    // Empty unless the value is an OID.
    const KtOid &ObjectIdValue() const { return oidValue_; }

    bool operator==(const KtVb &) const = default;

private:
    void Set(KtVbType type, quint64 number = 0);

    KtVbType type_ = KtVbType::Null;
    quint64 number_ = 0;
    QByteArray octets_;
    KtOid oidValue_;
};
