#include "MibValue.h"

#include <array>
#include <charconv>
#include <limits>

namespace {

struct TypeName
{
    const char *name;
    MibType type;
};

// Names accepted in the data files, first the canonical one of each type.
constexpr std::array TypeNames{
    TypeName{"integer", MibType::Integer},     TypeName{"octets", MibType::OctetString},
    TypeName{"oid", MibType::ObjectId},        TypeName{"ipaddress", MibType::IpAddress},
    TypeName{"counter32", MibType::Counter32}, TypeName{"gauge32", MibType::Gauge32},
    TypeName{"timeticks", MibType::TimeTicks}, TypeName{"counter64", MibType::Counter64},
    TypeName{"unsigned32", MibType::Gauge32},  TypeName{"string", MibType::OctetString},
};

template <typename Number> std::optional<Number> parseNumber(std::string_view text)
{
    Number value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> parseHexRun(std::string_view hex)
{
    if (hex.size() % 2)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int high = hexDigit(hex[i]), low = hexDigit(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

// 0x0102ff, or 0x00*91 for 91 zero bytes.
std::optional<std::string> parseHex(std::string_view text)
{
    text.remove_prefix(2);
    std::size_t star = text.find('*');
    auto bytes = parseHexRun(text.substr(0, star));
    if (!bytes || star == std::string_view::npos)
        return bytes;
    auto count = parseNumber<std::size_t>(text.substr(star + 1));
    if (!count || *count > 65535)
        return std::nullopt;
    std::string repeated;
    for (std::size_t i = 0; i < *count; ++i)
        repeated += *bytes;
    return repeated;
}

// aa:bb:cc
std::optional<std::string> parseColonHex(std::string_view text)
{
    std::string bytes;
    while (true) {
        std::size_t colon = text.find(':');
        std::string_view part = text.substr(0, colon);
        if (part.empty() || part.size() > 2)
            return std::nullopt;
        auto byte = parseHexRun(part.size() == 1 ? std::string("0") + part[0] : std::string(part));
        if (!byte)
            return std::nullopt;
        bytes += *byte;
        if (colon == std::string_view::npos)
            return bytes;
        text.remove_prefix(colon + 1);
    }
}

std::optional<std::string> parseDottedQuad(std::string_view text)
{
    auto oid = Oid::parse(text);
    if (!oid || oid->size() != 4)
        return std::nullopt;
    std::string bytes;
    for (SubId part : oid->ids()) {
        if (part > 255)
            return std::nullopt;
        bytes += static_cast<char>(part);
    }
    return bytes;
}

std::optional<std::string> parseOctets(std::string_view text, bool quoted)
{
    if (quoted)
        return std::string(text);
    if (text.starts_with("0x") || text.starts_with("0X"))
        return parseHex(text);
    if (text.find(':') != std::string_view::npos)
        return parseColonHex(text);
    return std::nullopt;
}

} // namespace

std::optional<MibType> mibTypeFromName(std::string_view name)
{
    for (const auto &entry : TypeNames)
        if (name == entry.name)
            return entry.type;
    return std::nullopt;
}

const char *mibTypeName(MibType type)
{
    for (const auto &entry : TypeNames)
        if (entry.type == type)
            return entry.name;
    return "?";
}

MibValue MibValue::integer(std::int64_t number)
{
    MibValue value;
    value.type_ = MibType::Integer;
    value.number_ = static_cast<std::uint64_t>(number);
    return value;
}

MibValue MibValue::unsignedNumber(MibType type, std::uint64_t number)
{
    MibValue value;
    value.type_ = type;
    value.number_ = number;
    return value;
}

MibValue MibValue::octets(std::string bytes)
{
    MibValue value;
    value.type_ = MibType::OctetString;
    value.bytes_ = std::move(bytes);
    return value;
}

MibValue MibValue::ipAddress(std::string fourBytes)
{
    MibValue value;
    value.type_ = MibType::IpAddress;
    value.bytes_ = std::move(fourBytes);
    return value;
}

MibValue MibValue::objectId(Oid oid)
{
    MibValue value;
    value.type_ = MibType::ObjectId;
    value.oid_ = std::move(oid);
    return value;
}

std::optional<MibValue> MibValue::parse(MibType type, std::string_view text, bool quoted)
{
    switch (type) {
    case MibType::Integer: {
        auto number = quoted ? std::nullopt : parseNumber<std::int64_t>(text);
        if (!number || *number < std::numeric_limits<std::int32_t>::min() ||
            *number > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        return integer(*number);
    }
    case MibType::Counter32:
    case MibType::Gauge32:
    case MibType::TimeTicks: {
        auto number = quoted ? std::nullopt : parseNumber<std::uint64_t>(text);
        if (!number || *number > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
        return unsignedNumber(type, *number);
    }
    case MibType::Counter64: {
        auto number = quoted ? std::nullopt : parseNumber<std::uint64_t>(text);
        if (!number)
            return std::nullopt;
        return unsignedNumber(type, *number);
    }
    case MibType::OctetString: {
        auto bytes = parseOctets(text, quoted);
        if (!bytes)
            return std::nullopt;
        return octets(std::move(*bytes));
    }
    case MibType::IpAddress: {
        auto bytes = quoted ? std::nullopt : parseDottedQuad(text);
        if (!bytes)
            return std::nullopt;
        return ipAddress(std::move(*bytes));
    }
    case MibType::ObjectId: {
        auto oid = quoted ? std::nullopt : Oid::parse(text);
        if (!oid)
            return std::nullopt;
        return objectId(std::move(*oid));
    }
    }
    return std::nullopt;
}

void MibValue::setByte(std::size_t index, unsigned char byte)
{
    if (index >= bytes_.size())
        bytes_.resize(index + 1, '\0');
    bytes_[index] = static_cast<char>(byte);
}
