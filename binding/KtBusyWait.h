#pragma once

#include "KtSNMPRequest.h"

#include <functional>
#include <limits>
#include <memory>

// Waiting for a binding's running exchange while window messages go on:
// before a window frees its bindings (so that no answer reaches a freed
// binding) and before a new request that must not overlap the last one.
// One policy says how long: one exchange of the binding's request with every
// try, and half a second more, at most 30 seconds.
class KtBusyWait
{
public:
    enum class Input
    {
        Taken, // clicks and keys are handled while waiting
        Held   // they wait until the wait is over
    };

    static int LimitMs(const KtSNMPRequest &request);

    // Waits while the binding is busy, `stop` (if given) says false and the
    // limit (LimitMs of its request unless given) has not passed. The
    // binding is read again on every turn: a window closed meanwhile may
    // have freed it. Returns whether the binding is there and idle.
    template <class BindingPointer>
    static bool WhileBusy(const BindingPointer &binding, Input input = Input::Taken,
                          const std::function<bool()> &stop = {}, int limitMs = 0)
    {
        if (!binding)
            return false;
        const int limit = limitMs > 0 ? limitMs : LimitMs(binding->Request);
        Wait([&] { return binding && binding->Busy && !(stop && stop()); }, input, limit);
        return binding && !binding->Busy;
    }

    // Waits for the binding's whole operation, a walk of many exchanges
    // included: it ends by itself, each exchange bounded by its time-outs.
    template <class BindingPointer> static void UntilDone(const BindingPointer &binding)
    {
        Wait([&] { return binding && binding->Busy; }, Input::Taken, std::numeric_limits<int>::max());
    }

    // Switches the binding's request off, so that no answer reaches the
    // window any more, lets a running exchange end and frees the binding.
    template <class Binding> static void Release(std::unique_ptr<Binding> &binding)
    {
        if (!binding)
            return;
        binding->Request.Enabled = false;
        WhileBusy(binding);
        binding.reset();
    }

private:
    static void Wait(const std::function<bool()> &busy, Input input, int limitMs);
};
