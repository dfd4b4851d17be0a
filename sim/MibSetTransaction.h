#pragma once

#include "MibStore.h"
#include "SnmpErrorStatus.h"

#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

// One SNMP set PDU against the store, in the phases of the agent: every
// binding is checked on its own, then the PDU as a whole (row creation,
// deletion, status transitions), then all bindings are applied together and
// can be undone together. Either every binding takes effect or none does.
class MibSetTransaction
{
public:
    explicit MibSetTransaction(MibStore &store) : store_(store) {}

    // Object, access, type and value range of one binding (`binding` is its
    // position in the PDU).
    SnmpErrorStatus check(int binding, const Oid &name, const MibValue &value);

    // Row-level consistency of all checked bindings; runs once.
    void validate();
    SnmpErrorStatus validationError(int binding) const;

    // Applies every binding; runs once. undo() restores what apply() changed.
    void apply();
    void undo();
    // Tells the store's listeners what changed; runs once.
    void commit();

private:
    enum class RowAction
    {
        Update,
        Create,
        Destroy,
        Ignore,
    };

    struct Binding
    {
        int position;
        Oid name;
        MibValue value;
        const MibObjectDef *def;
    };

    struct RowPlan
    {
        const MibTableDef *table;
        Oid index;
        std::vector<const Binding *> bindings;
        RowAction action = RowAction::Update;
        std::int64_t createdStatus = 0;
    };

    void planRow(RowPlan &row);
    void planRowStatusRow(RowPlan &row, const Binding *status, bool exists);
    void planValidityRow(RowPlan &row, const Binding *status, bool exists);
    void fail(const Binding *binding, SnmpErrorStatus status);
    void remember(const Oid &instance);
    void applyRow(const RowPlan &row);
    void assign(const Binding &binding);

    MibStore &store_;
    std::vector<Binding> bindings_;
    std::vector<const Binding *> scalars_;
    std::vector<RowPlan> rows_;
    std::map<int, SnmpErrorStatus> errors_;
    std::vector<std::pair<Oid, std::optional<MibInstance>>> undoLog_;
    std::set<Oid> remembered_;
    bool validated_ = false;
    bool applied_ = false;
    bool committed_ = false;
};
