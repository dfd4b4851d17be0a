#pragma once

#include <QString>
#include <array>

// The rules the authentication windows check before they write: the four
// methods of a list, the names of the built-in lists and groups, and which
// server slots of a group hold nothing.
class KtAuthRules
{
public:
    static constexpr int Methods = 4;
    // Combo items of the method types.
    static constexpr int ServerGroupItem = 4;
    static constexpr int LocalItem = 5;
    static constexpr int NoneItem = 6;

    // Item index of each method's type combo and whether its type is sent.
    using MethodItems = std::array<int, Methods>;
    using MethodChecks = std::array<bool, Methods>;

    // No two sent methods have the same type.
    static bool DistinctMethods(const MethodItems &items, const MethodChecks &checked);
    // No method is sent after a sent "local" (or "local-enable") or "none".
    static bool NothingAfterLocal(const MethodItems &items, const MethodChecks &checked);

    // The method list the switch keeps for itself ("default", any case).
    static bool IsDefaultMethodList(const QString &name);
    // The groups the switch keeps for its protocols, any case.
    static bool IsDefaultServerGroup(const QString &name);

    // A group's server slot that holds no server: no address, no protocol,
    // or the address 0.0.0.0 with protocol item 0 ("none").
    static bool SlotIsEmpty(const QString &address, const QString &protocolText, int protocolItem);

    // Four decimal numbers 0 to 255 joined by dots. The value conversion
    // keeps only the low eight bits of each number, so "300.1.1.1" would
    // otherwise reach the switch as another server's address.
    static bool IsAddressText(const QString &text);
};
