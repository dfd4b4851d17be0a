#include "KtVb.h"

void KtVb::Set(KtVbType type, quint64 number)
{
    type_ = type;
    number_ = number;
    octets_.clear();
    oidValue_ = KtOid();
}

void KtVb::SetOctets(QByteArray octets, KtVbType type)
{
    Set(type);
    octets_ = std::move(octets);
}

void KtVb::SetObjectId(KtOid oid)
{
    Set(KtVbType::ObjectId);
    oidValue_ = std::move(oid);
}

bool KtVb::HasValue() const
{
    return type_ != KtVbType::Null && type_ != KtVbType::NoSuchObject && type_ != KtVbType::NoSuchInstance &&
           type_ != KtVbType::EndOfMibView;
}

bool KtVb::IsNumber() const
{
    switch (type_) {
    case KtVbType::Integer:
    case KtVbType::Counter32:
    case KtVbType::Gauge32:
    case KtVbType::TimeTicks:
    case KtVbType::Counter64:
        return true;
    default:
        return false;
    }
}

bool KtVb::IsOctets() const
{
    return type_ == KtVbType::OctetString || type_ == KtVbType::Opaque || type_ == KtVbType::IpAddress;
}
