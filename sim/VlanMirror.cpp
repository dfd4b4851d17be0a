#include "VlanMirror.h"

namespace {

// Static-table columns and the current-table columns they show in.
constexpr SubId StaticEgress = 2, StaticUntagged = 4;
constexpr SubId CurrentFdbId = 3, CurrentEgress = 4, CurrentUntagged = 5, CurrentCreationTime = 7;
constexpr SubId TimeMark = 0;

} // namespace

VlanMirror::VlanMirror(MibStore &store, std::function<std::uint32_t()> uptime)
    : store_(store), uptime_(std::move(uptime)), static_(store.schema().tableByName("dot1qVlanStaticEntry")),
      current_(store.schema().tableByName("dot1qVlanCurrentEntry")),
      numDeletes_(store.schema().objectByName("dot1qVlanNumDeletes")->oid.child(0))
{
}

void VlanMirror::rowCreated(const MibTableDef &table, const Oid &index)
{
    if (&table != static_)
        return;
    store_.addRow(*current_, Oid{TimeMark} + index,
                  {{CurrentFdbId, MibValue::unsignedNumber(MibType::Gauge32, index[0])},
                   {CurrentCreationTime, MibValue::unsignedNumber(MibType::TimeTicks, uptime_())}});
    copyPorts(index);
}

void VlanMirror::rowDestroyed(const MibTableDef &table, const Oid &index)
{
    if (&table != static_)
        return;
    store_.removeRow(*current_, Oid{TimeMark} + index);
    if (MibValue *deletes = store_.valueAt(numDeletes_))
        *deletes = MibValue::unsignedNumber(MibType::Counter32, (deletes->number() + 1) & 0xffffffffu);
}

void VlanMirror::valueChanged(const MibObjectDef &object, const Oid &instance)
{
    if (object.table == static_)
        copyPorts(instance.suffix(object.oid.size()));
}

void VlanMirror::copyPorts(const Oid &vlan)
{
    for (auto [from, to] :
         {std::pair{StaticEgress, CurrentEgress}, std::pair{StaticUntagged, CurrentUntagged}}) {
        const MibInstance *source = store_.find(static_->entry + Oid{from} + vlan);
        if (source)
            store_.setValue(current_->entry + Oid{to, TimeMark} + vlan, source->value);
    }
}
