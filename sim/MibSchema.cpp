#include "MibSchema.h"

#include <set>
#include <stdexcept>

bool MibConstraint::allows(std::int64_t number) const
{
    if (ranges.empty())
        return true;
    for (const auto &[low, high] : ranges)
        if (number >= low && number <= high)
            return true;
    return false;
}

std::optional<std::int64_t> MibConstraint::valueOfLabel(std::string_view label) const
{
    for (const auto &[value, name] : labels)
        if (name == label)
            return value;
    return std::nullopt;
}

bool MibTableDef::isValidIndex(const Oid &suffix) const
{
    std::size_t pos = 0;
    for (std::size_t part = 0; part < index.size(); ++part) {
        const MibIndexPart &spec = index[part];
        switch (spec.kind) {
        case MibIndexKind::Integer: {
            if (pos >= suffix.size())
                return false;
            auto value = static_cast<std::int64_t>(suffix[pos++]);
            if (value < spec.low || value > spec.high)
                return false;
            break;
        }
        case MibIndexKind::IpAddress:
        case MibIndexKind::FixedOctets: {
            std::size_t length = spec.kind == MibIndexKind::IpAddress ? 4 : spec.fixedLength;
            for (std::size_t i = 0; i < length; ++i, ++pos)
                if (pos >= suffix.size() || suffix[pos] > 255)
                    return false;
            break;
        }
        case MibIndexKind::Octets: {
            if (pos >= suffix.size())
                return false;
            SubId length = suffix[pos++];
            for (SubId i = 0; i < length; ++i, ++pos)
                if (pos >= suffix.size() || suffix[pos] > 255)
                    return false;
            break;
        }
        case MibIndexKind::ImpliedOctets:
            for (; pos < suffix.size(); ++pos)
                if (suffix[pos] > 255)
                    return false;
            break;
        }
    }
    return pos == suffix.size();
}

std::vector<Oid> MibTableDef::indexParts(const Oid &suffix) const
{
    if (!isValidIndex(suffix))
        return {};
    std::vector<Oid> parts;
    std::size_t pos = 0;
    for (const MibIndexPart &spec : index) {
        std::size_t length = 1;
        switch (spec.kind) {
        case MibIndexKind::Integer:
            break;
        case MibIndexKind::IpAddress:
            length = 4;
            break;
        case MibIndexKind::FixedOctets:
            length = spec.fixedLength;
            break;
        case MibIndexKind::Octets:
            length = suffix[pos++];
            break;
        case MibIndexKind::ImpliedOctets:
            length = suffix.size() - pos;
            break;
        }
        parts.emplace_back(suffix.data() + pos, length);
        pos += length;
    }
    return parts;
}

const MibObjectDef *MibTableDef::column(SubId id) const
{
    auto it = columns.find(id);
    return it == columns.end() ? nullptr : it->second;
}

const MibObjectDef *MibTableDef::firstReadableColumn() const
{
    for (const auto &[id, def] : columns)
        if (def->readable())
            return def;
    return nullptr;
}

MibObjectDef &MibSchema::addScalar(MibObjectDef def)
{
    if (byOid_.contains(def.oid) || objectsByName_.contains(def.name))
        throw std::runtime_error("object defined twice: " + def.name);
    MibObjectDef &stored = objects_.emplace_back(std::move(def));
    byOid_[stored.oid] = &stored;
    objectsByName_[stored.name] = &stored;
    return stored;
}

MibTableDef &MibSchema::addTable(MibTableDef def)
{
    if (tablesByName_.contains(def.name))
        throw std::runtime_error("table defined twice: " + def.name);
    MibTableDef &stored = tables_.emplace_back(std::move(def));
    tablesByName_[stored.name] = &stored;
    return stored;
}

MibObjectDef &MibSchema::addColumn(MibTableDef &table, SubId column, MibObjectDef def)
{
    def.oid = table.entry.child(column);
    def.table = &table;
    MibObjectDef &stored = addScalar(std::move(def));
    table.columns[column] = &stored;
    return stored;
}

const MibObjectDef *MibSchema::objectFor(const Oid &name) const
{
    auto it = byOid_.upper_bound(name);
    if (it == byOid_.begin())
        return nullptr;
    --it;
    return name.startsWith(it->first) ? it->second : nullptr;
}

const MibObjectDef *MibSchema::objectByName(std::string_view name) const
{
    auto it = objectsByName_.find(name);
    return it == objectsByName_.end() ? nullptr : it->second;
}

const MibTableDef *MibSchema::tableByName(std::string_view name) const
{
    auto it = tablesByName_.find(name);
    return it == tablesByName_.end() ? nullptr : it->second;
}

MibTableDef *MibSchema::tableByName(std::string_view name)
{
    auto it = tablesByName_.find(name);
    return it == tablesByName_.end() ? nullptr : it->second;
}

std::vector<Oid> MibSchema::registrationRoots() const
{
    constexpr std::size_t RootLength = 7;
    std::set<Oid> roots;
    for (const auto &[oid, def] : byOid_)
        roots.insert(oid.size() > RootLength ? Oid(oid.data(), RootLength) : oid);
    return {roots.begin(), roots.end()};
}
