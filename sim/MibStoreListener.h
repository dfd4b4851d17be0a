#pragma once

#include "Oid.h"

struct MibObjectDef;
struct MibTableDef;

// Told about every change a committed SNMP set made, in the order of the
// PDU's bindings, so that derived objects (mirrored tables, counters) follow.
class MibStoreListener
{
public:
    virtual ~MibStoreListener() = default;
    virtual void rowCreated(const MibTableDef &table, const Oid &index) {}
    virtual void rowDestroyed(const MibTableDef &table, const Oid &index) {}
    virtual void valueChanged(const MibObjectDef &object, const Oid &instance) {}
};
