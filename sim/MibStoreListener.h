#pragma once

#include "Oid.h"

struct MibObjectDef;
struct MibTableDef;
class MibValue;

// Told about every change a committed SNMP set made, in the order of the
// PDU's bindings, so that derived objects (mirrored tables, counters) follow.
class MibStoreListener
{
public:
    virtual ~MibStoreListener() = default;
    // Whether a set may give `object` this value, beyond its type and range
    // (a clock refuses a text that is no time); a refusal is wrongValue.
    virtual bool accepts(const MibObjectDef &object, const MibValue &value) const { return true; }
    virtual void rowCreated(const MibTableDef &table, const Oid &index) {}
    virtual void rowDestroyed(const MibTableDef &table, const Oid &index) {}
    virtual void valueChanged(const MibObjectDef &object, const Oid &instance) {}
};
