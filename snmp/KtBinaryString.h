#pragma once

#include <QByteArray>
#include <QString>

// Octets read from a hexadecimal text, two digits per octet, high half
// first; an odd last digit is dropped. Port lists use the bitmap layout:
// octet k holds ports 8k + 1 to 8k + 8, the most significant bit (128) being
// the lowest-numbered port.
class KtBinaryString
{
public:
    KtBinaryString() = default;
    explicit KtBinaryString(const QString &hex);
    explicit KtBinaryString(QByteArray octets) : octets_(std::move(octets)) {}

    int Length() const { return int(octets_.size()); }
    const QByteArray &Octets() const { return octets_; }
    quint8 At(int i) const { return quint8(octets_.at(i)); }

    // Upper-case hexadecimal, two digits per octet.
    QString ToHex() const;

    // Ports count from 1. A port past the end of the bitmap is not a member.
    bool HasPort(int port) const;
    // Sets or clears one port, growing the bitmap with zero octets as needed.
    void SetPort(int port, bool member);

private:
    QByteArray octets_;
};
