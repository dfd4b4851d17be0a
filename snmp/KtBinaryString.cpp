#include "KtBinaryString.h"

#include "KtTextForm.h"

KtBinaryString::KtBinaryString(const QString &hex)
{
    const qsizetype length = hex.size() / 2;
    octets_.resize(length);
    for (qsizetype i = 0; i < length; ++i)
        octets_[i] =
            char(KtTextForm::HexDigitValue(hex[2 * i]) << 4 | KtTextForm::HexDigitValue(hex[2 * i + 1]));
}

QString KtBinaryString::ToHex() const
{
    return KtTextForm::OctetsToHex(octets_);
}

bool KtBinaryString::HasPort(int port) const
{
    if (port < 1 || (port - 1) / 8 >= octets_.size())
        return false;
    return quint8(octets_[(port - 1) / 8]) & (0x80 >> ((port - 1) % 8));
}

void KtBinaryString::SetPort(int port, bool member)
{
    if (port < 1)
        return;
    const int octet = (port - 1) / 8;
    const quint8 mask = quint8(0x80 >> ((port - 1) % 8));
    if (octet >= octets_.size())
        octets_.append(octet + 1 - octets_.size(), '\0');
    octets_[octet] = char(member ? quint8(octets_[octet]) | mask : quint8(octets_[octet]) & ~mask);
}
