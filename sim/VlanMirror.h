#pragma once

#include "MibStore.h"
#include "MibStoreListener.h"

#include <functional>

// Keeps the current VLAN table in step with the static one, as a switch
// does: a created static VLAN appears in the current table, a destroyed one
// leaves it and counts in dot1qVlanNumDeletes, and changed port lists show
// in the current row.
class VlanMirror : public MibStoreListener
{
public:
    // `uptime` gives the creation time of new current rows (hundredths of a second).
    VlanMirror(MibStore &store, std::function<std::uint32_t()> uptime);

    void rowCreated(const MibTableDef &table, const Oid &index) override;
    void rowDestroyed(const MibTableDef &table, const Oid &index) override;
    void valueChanged(const MibObjectDef &object, const Oid &instance) override;

private:
    void copyPorts(const Oid &vlan);

    MibStore &store_;
    std::function<std::uint32_t()> uptime_;
    const MibTableDef *static_;
    const MibTableDef *current_;
    Oid numDeletes_;
};
