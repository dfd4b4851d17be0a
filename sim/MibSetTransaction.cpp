#include "MibSetTransaction.h"

#include <algorithm>

namespace {

// RFC 2579 RowStatus values.
enum RowStatus : std::int64_t
{
    Active = 1,
    NotInService = 2,
    NotReady = 3,
    CreateAndGo = 4,
    CreateAndWait = 5,
    Destroy = 6,
};

bool isRowStatusColumn(const MibObjectDef &def)
{
    const MibTableDef &table = *def.table;
    return table.control == MibRowControl::RowStatus && def.oid.size() == table.entry.size() + 1 &&
           def.oid.ids().back() == table.statusColumn;
}

SnmpErrorStatus checkValue(const MibObjectDef &def, const MibValue &value)
{
    if (value.type() != def.type)
        return SnmpErrorStatus::WrongType;
    switch (def.type) {
    case MibType::IpAddress:
        return value.bytes().size() == 4 ? SnmpErrorStatus::NoError : SnmpErrorStatus::WrongLength;
    case MibType::OctetString:
        if (def.constraint.constrainsLength &&
            !def.constraint.allows(static_cast<std::int64_t>(value.bytes().size())))
            return SnmpErrorStatus::WrongLength;
        return SnmpErrorStatus::NoError;
    case MibType::ObjectId:
        return SnmpErrorStatus::NoError;
    case MibType::Integer:
        if (def.isColumn() && isRowStatusColumn(def)) {
            std::int64_t status = value.signedNumber();
            return status >= Active && status <= Destroy && status != NotReady ? SnmpErrorStatus::NoError
                                                                               : SnmpErrorStatus::WrongValue;
        }
        [[fallthrough]];
    default:
        return def.constraint.allows(value.signedNumber()) ? SnmpErrorStatus::NoError
                                                           : SnmpErrorStatus::WrongValue;
    }
}

} // namespace

SnmpErrorStatus MibSetTransaction::check(int binding, const Oid &name, const MibValue &value)
{
    const MibObjectDef *def = store_.schema().objectFor(name);
    if (!def)
        return SnmpErrorStatus::NotWritable;
    if (def->access == MibAccess::NotAccessible)
        return SnmpErrorStatus::NoAccess;
    if (!def->writable())
        return SnmpErrorStatus::NotWritable;
    Oid suffix = name.suffix(def->oid.size());
    if (def->isColumn() ? !def->table->isValidIndex(suffix) || suffix.empty() : suffix != Oid{0})
        return SnmpErrorStatus::NoCreation;
    if (SnmpErrorStatus status = checkValue(*def, value); status != SnmpErrorStatus::NoError)
        return status;
    for (const MibStoreListener *listener : store_.listeners())
        if (!listener->accepts(*def, value))
            return SnmpErrorStatus::WrongValue;
    bindings_.push_back(Binding{binding, name, value, def});
    return SnmpErrorStatus::NoError;
}

void MibSetTransaction::validate()
{
    if (validated_)
        return;
    validated_ = true;
    for (const Binding &binding : bindings_) {
        if (!binding.def->isColumn()) {
            scalars_.push_back(&binding);
            continue;
        }
        const MibTableDef *table = binding.def->table;
        Oid index = binding.name.suffix(binding.def->oid.size());
        auto row = std::find_if(rows_.begin(), rows_.end(), [&](const RowPlan &plan) {
            return plan.table == table && plan.index == index;
        });
        if (row == rows_.end())
            row = rows_.insert(rows_.end(), RowPlan{table, index, {}});
        row->bindings.push_back(&binding);
    }
    for (RowPlan &row : rows_)
        planRow(row);
}

void MibSetTransaction::planRow(RowPlan &row)
{
    bool exists = store_.rowExists(*row.table, row.index);
    const Binding *status = nullptr;
    for (const Binding *binding : row.bindings)
        if (row.table->control != MibRowControl::None &&
            binding->def == row.table->column(row.table->statusColumn))
            status = binding;
    switch (row.table->control) {
    case MibRowControl::RowStatus:
        planRowStatusRow(row, status, exists);
        break;
    case MibRowControl::Validity:
        planValidityRow(row, status, exists);
        break;
    case MibRowControl::None:
        if (!exists)
            fail(row.bindings.front(), SnmpErrorStatus::NoCreation);
        break;
    }
}

void MibSetTransaction::planRowStatusRow(RowPlan &row, const Binding *status, bool exists)
{
    std::int64_t requested = status ? status->value.signedNumber() : 0;
    if (exists) {
        if (requested == CreateAndGo || requested == CreateAndWait)
            fail(status, SnmpErrorStatus::InconsistentValue);
        else if (requested == Destroy)
            row.action = RowAction::Destroy;
        return;
    }
    if (requested == CreateAndGo || requested == CreateAndWait) {
        row.action = RowAction::Create;
        row.createdStatus = requested == CreateAndGo ? Active : NotInService;
    } else if (requested == Destroy) {
        row.action = RowAction::Ignore;
    } else if (status) {
        fail(status, SnmpErrorStatus::InconsistentValue);
    } else {
        fail(row.bindings.front(), SnmpErrorStatus::NoCreation);
    }
}

void MibSetTransaction::planValidityRow(RowPlan &row, const Binding *status, bool exists)
{
    bool invalidates = status && status->value.signedNumber() == row.table->invalidValue;
    if (exists) {
        if (invalidates)
            row.action = RowAction::Destroy;
    } else if (invalidates) {
        row.action = RowAction::Ignore;
    } else if (status) {
        row.action = RowAction::Create;
        row.createdStatus = status->value.signedNumber();
    } else {
        fail(row.bindings.front(), SnmpErrorStatus::NoCreation);
    }
}

void MibSetTransaction::fail(const Binding *binding, SnmpErrorStatus status)
{
    errors_.emplace(binding->position, status);
}

SnmpErrorStatus MibSetTransaction::validationError(int binding) const
{
    auto it = errors_.find(binding);
    return it == errors_.end() ? SnmpErrorStatus::NoError : it->second;
}

void MibSetTransaction::remember(const Oid &instance)
{
    if (!remembered_.insert(instance).second)
        return;
    const MibInstance *current = store_.find(instance);
    undoLog_.emplace_back(instance, current ? std::optional<MibInstance>(*current) : std::nullopt);
}

void MibSetTransaction::assign(const Binding &binding)
{
    remember(binding.name);
    store_.setValue(binding.name, binding.value);
}

void MibSetTransaction::applyRow(const RowPlan &row)
{
    const MibTableDef &table = *row.table;
    switch (row.action) {
    case RowAction::Ignore:
        return;
    case RowAction::Destroy:
        for (const auto &[id, column] : table.columns)
            remember(column->oid + row.index);
        store_.removeRow(table, row.index);
        return;
    case RowAction::Create:
        for (const auto &[id, column] : table.columns)
            remember(column->oid + row.index);
        store_.addRow(table, row.index);
        for (const Binding *binding : row.bindings)
            store_.setValue(binding->name, binding->value);
        store_.setValue(table.column(table.statusColumn)->oid + row.index,
                        MibValue::integer(row.createdStatus));
        return;
    case RowAction::Update:
        for (const Binding *binding : row.bindings)
            assign(*binding);
        return;
    }
}

void MibSetTransaction::apply()
{
    if (applied_)
        return;
    applied_ = true;
    for (const Binding *binding : scalars_)
        assign(*binding);
    for (const RowPlan &row : rows_)
        applyRow(row);
}

void MibSetTransaction::undo()
{
    auto &instances = store_.instances();
    for (auto it = undoLog_.rbegin(); it != undoLog_.rend(); ++it) {
        if (it->second)
            instances[it->first] = *it->second;
        else
            instances.erase(it->first);
    }
    undoLog_.clear();
    remembered_.clear();
}

void MibSetTransaction::commit()
{
    if (committed_ || !applied_)
        return;
    committed_ = true;
    for (MibStoreListener *listener : store_.listeners()) {
        for (const Binding *binding : scalars_)
            listener->valueChanged(*binding->def, binding->name);
        for (const RowPlan &row : rows_) {
            if (row.action == RowAction::Create)
                listener->rowCreated(*row.table, row.index);
            else if (row.action == RowAction::Destroy)
                listener->rowDestroyed(*row.table, row.index);
            else if (row.action == RowAction::Update)
                for (const Binding *binding : row.bindings)
                    listener->valueChanged(*binding->def, binding->name);
        }
    }
}
