#include "MibStore.h"

std::optional<MibValue> MibStore::indexValue(MibType type, const Oid &part)
{
    std::string bytes;
    for (SubId id : part.ids())
        bytes += static_cast<char>(id);
    switch (type) {
    case MibType::Integer:
        return part.size() == 1 ? std::optional(MibValue::integer(static_cast<std::int64_t>(part[0])))
                                : std::nullopt;
    case MibType::OctetString:
        return MibValue::octets(bytes);
    case MibType::IpAddress:
        return part.size() == 4 ? std::optional(MibValue::ipAddress(bytes)) : std::nullopt;
    case MibType::ObjectId:
        return MibValue::objectId(part);
    default:
        return part.size() == 1 ? std::optional(MibValue::unsignedNumber(type, part[0])) : std::nullopt;
    }
}

void MibStore::instantiateScalar(const MibObjectDef &scalar)
{
    instances_[scalar.oid.child(0)] = MibInstance{&scalar, scalar.defaultValue, {}};
}

const MibInstance *MibStore::find(const Oid &instance) const
{
    auto it = instances_.find(instance);
    return it == instances_.end() ? nullptr : &it->second;
}

bool MibStore::setValue(const Oid &instance, MibValue value)
{
    auto it = instances_.find(instance);
    if (it == instances_.end() || it->second.def->type != value.type())
        return false;
    it->second.value = std::move(value);
    return true;
}

MibValue *MibStore::valueAt(const Oid &instance)
{
    auto it = instances_.find(instance);
    return it == instances_.end() ? nullptr : &it->second.value;
}

void MibStore::setProvider(const Oid &instance, std::function<MibValue()> provider)
{
    auto it = instances_.find(instance);
    if (it != instances_.end())
        it->second.provider = std::move(provider);
}

bool MibStore::addRow(const MibTableDef &table, const Oid &index, const ColumnValues &values)
{
    if (!table.isValidIndex(index) || rowExists(table, index))
        return false;
    for (const auto &[id, column] : table.columns)
        if (column->readable())
            instances_[column->oid + index] = MibInstance{column, column->defaultValue, {}};
    // Columns that hold a part of the index take it from the index.
    std::vector<Oid> parts = table.indexParts(index);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const MibObjectDef *column = table.index[i].column ? table.column(table.index[i].column) : nullptr;
        if (column && column->readable())
            if (std::optional<MibValue> value = indexValue(column->type, parts[i]))
                instances_[column->oid + index].value = *value;
    }
    for (const auto &[id, value] : values) {
        const MibObjectDef *column = table.column(id);
        if (column && column->readable() && column->type == value.type())
            instances_[column->oid + index].value = value;
    }
    return true;
}

void MibStore::removeRow(const MibTableDef &table, const Oid &index)
{
    for (const auto &[id, column] : table.columns)
        instances_.erase(column->oid + index);
}

bool MibStore::rowExists(const MibTableDef &table, const Oid &index) const
{
    const MibObjectDef *column = table.firstReadableColumn();
    return column && instances_.contains(column->oid + index);
}

std::vector<Oid> MibStore::rowIndexes(const MibTableDef &table) const
{
    std::vector<Oid> indexes;
    const MibObjectDef *column = table.firstReadableColumn();
    if (!column)
        return indexes;
    for (auto it = instances_.upper_bound(column->oid);
         it != instances_.end() && it->first.startsWith(column->oid); ++it)
        indexes.push_back(it->first.suffix(column->oid.size()));
    return indexes;
}

MibStore::Miss MibStore::lookup(const Oid &name, const MibInstance **found) const
{
    *found = find(name);
    if (*found)
        return Miss::None;
    const MibObjectDef *def = schema_.objectFor(name);
    return def && def->readable() ? Miss::NoSuchInstance : Miss::NoSuchObject;
}

MibStore::Instances::const_iterator MibStore::next(const Oid &name, bool inclusive) const
{
    return inclusive ? instances_.lower_bound(name) : instances_.upper_bound(name);
}
