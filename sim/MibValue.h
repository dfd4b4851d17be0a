#pragma once

#include "Oid.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// SMI base types; the numbers are the BER tags, so they equal net-snmp's
// ASN_* type codes.
enum class MibType : unsigned char
{
    Integer = 0x02,
    OctetString = 0x04,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Counter64 = 0x46,
};

// The type names the data files use ("integer", "octets", ...).
std::optional<MibType> mibTypeFromName(std::string_view name);
const char *mibTypeName(MibType type);

// One value of one of the SMI base types. Integer holds a signed 32-bit
// number, the unsigned types their number, OctetString and IpAddress their
// bytes, ObjectId its OID.
class MibValue
{
public:
    MibValue() = default;
    static MibValue integer(std::int64_t number);
    static MibValue unsignedNumber(MibType type, std::uint64_t number);
    static MibValue octets(std::string bytes);
    static MibValue ipAddress(std::string fourBytes);
    static MibValue objectId(Oid oid);

    // The text forms of the data files: decimal numbers; "quoted text",
    // 0xHEX (0x00*91 repeats a byte), colon hex aa:bb:cc for octets; dotted
    // quads for addresses; dotted OIDs. nullopt when the text does not fit.
    static std::optional<MibValue> parse(MibType type, std::string_view text, bool quoted);

    MibType type() const { return type_; }
    std::int64_t signedNumber() const { return static_cast<std::int64_t>(number_); }
    std::uint64_t number() const { return number_; }
    const std::string &bytes() const { return bytes_; }
    const Oid &oid() const { return oid_; }

    void setByte(std::size_t index, unsigned char byte);

    bool operator==(const MibValue &other) const = default;

private:
    MibType type_ = MibType::Integer;
    std::uint64_t number_ = 0;
    std::string bytes_;
    Oid oid_;
};
