#pragma once

#include "MibStore.h"

#include <cstdint>
#include <random>
#include <vector>

// Counters that grow: on every tick each Counter32 and Counter64 instance
// of the given objects (scalars or columns, every row) grows by a small
// random amount, Counter32 wrapping at 2^32 as counters do.
//
//   CounterDrift drift(store, {ifInErrors, snmpInPkts}, seed);
//   agent.every(period, [&] { drift.tick(); });
class CounterDrift
{
public:
    CounterDrift(MibStore &store, std::vector<Oid> objects, std::uint32_t seed);

    void tick();

private:
    MibStore &store_;
    std::vector<Oid> objects_;
    std::mt19937 random_;
};
