#pragma once

#include "MibSchema.h"
#include "MibStoreListener.h"
#include "MibValue.h"
#include "Oid.h"

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// One readable object instance: a scalar's .0 or one cell of a table row.
struct MibInstance
{
    const MibObjectDef *def = nullptr;
    MibValue value;
    // Computes the value at read time instead of `value` (sysUpTime).
    std::function<MibValue()> provider;

    MibValue current() const { return provider ? provider() : value; }
};

// The simulator's MIB: every instance in one map ordered by OID, so that a
// get is one lookup and a get-next one upper_bound, whatever the size.
class MibStore
{
public:
    using Instances = std::map<Oid, MibInstance>;
    using ColumnValues = std::vector<std::pair<SubId, MibValue>>;

    MibSchema &schema() { return schema_; }
    const MibSchema &schema() const { return schema_; }

    // Gives a scalar its instance (.0) with the default value.
    void instantiateScalar(const MibObjectDef &scalar);

    const MibInstance *find(const Oid &instance) const;
    // Replaces the value of an existing instance; false when the instance
    // does not exist or the value has another type.
    bool setValue(const Oid &instance, MibValue value);
    MibValue *valueAt(const Oid &instance);
    void setProvider(const Oid &instance, std::function<MibValue()> provider);

    // Adds a row (every readable column, defaults where no value is given,
    // the index parts in the columns that hold them); false when the index
    // does not fit the table or the row exists.
    bool addRow(const MibTableDef &table, const Oid &index, const ColumnValues &values = {});
    void removeRow(const MibTableDef &table, const Oid &index);
    bool rowExists(const MibTableDef &table, const Oid &index) const;
    std::vector<Oid> rowIndexes(const MibTableDef &table) const;

    // Get: the instance, or why there is none.
    enum class Miss
    {
        None,
        NoSuchObject,
        NoSuchInstance,
    };
    Miss lookup(const Oid &name, const MibInstance **found) const;
    // Get-next: the first instance after `name` (at or after it when
    // `inclusive`), or end().
    Instances::const_iterator next(const Oid &name, bool inclusive) const;
    Instances::const_iterator end() const { return instances_.end(); }

    void addListener(MibStoreListener *listener) { listeners_.push_back(listener); }
    const std::vector<MibStoreListener *> &listeners() const { return listeners_; }

    // Raw access for the set transaction, which records undo information.
    Instances &instances() { return instances_; }

private:
    // The value of an index part for a column of type `type`.
    static std::optional<MibValue> indexValue(MibType type, const Oid &part);

    MibSchema schema_;
    Instances instances_;
    std::vector<MibStoreListener *> listeners_;
};
