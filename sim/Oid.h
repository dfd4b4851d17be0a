#pragma once

#include <compare>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One sub-identifier; the same width as net-snmp's `oid`, so that OIDs pass
// to and from the agent library without conversion.
using SubId = unsigned long;

// An object identifier as an ordered sequence of sub-identifiers. Comparison
// is lexicographic, which is exactly the SNMP get-next order.
class Oid
{
public:
    Oid() = default;
    Oid(std::initializer_list<SubId> ids) : ids_(ids) {}
    explicit Oid(std::vector<SubId> ids) : ids_(std::move(ids)) {}
    Oid(const SubId *ids, std::size_t length) : ids_(ids, ids + length) {}

    // Dotted text such as "1.3.6.1" or ".1.3.6.1"; nullopt when malformed.
    static std::optional<Oid> parse(std::string_view text);

    std::string toString() const;
    const std::vector<SubId> &ids() const { return ids_; }
    const SubId *data() const { return ids_.data(); }
    std::size_t size() const { return ids_.size(); }
    bool empty() const { return ids_.empty(); }
    SubId operator[](std::size_t i) const { return ids_[i]; }

    bool startsWith(const Oid &prefix) const;
    // The sub-identifiers after the first `count` ones.
    Oid suffix(std::size_t count) const;
    Oid child(SubId id) const;
    Oid operator+(const Oid &tail) const;

    auto operator<=>(const Oid &other) const = default;
    bool operator==(const Oid &other) const = default;

private:
    std::vector<SubId> ids_;
};
