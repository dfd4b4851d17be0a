#include "CounterDrift.h"

CounterDrift::CounterDrift(MibStore &store, std::vector<Oid> objects, std::uint32_t seed)
    : store_(store), objects_(std::move(objects)), random_(seed)
{
}

void CounterDrift::tick()
{
    constexpr std::uint64_t Counter32Modulus = std::uint64_t{1} << 32;
    std::uniform_int_distribution<std::uint64_t> step(0, 1000);
    for (const Oid &object : objects_) {
        for (auto it = store_.next(object, false); it != store_.end() && it->first.startsWith(object); ++it) {
            MibValue *value = store_.valueAt(it->first);
            if (!value || it->second.provider)
                continue;
            if (value->type() == MibType::Counter32)
                *value = MibValue::unsignedNumber(MibType::Counter32,
                                                  (value->number() + step(random_)) % Counter32Modulus);
            else if (value->type() == MibType::Counter64)
                *value = MibValue::unsignedNumber(MibType::Counter64, value->number() + step(random_));
        }
    }
}
