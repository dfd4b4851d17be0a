#pragma once

#include "KtOptionList.h"
#include "KtSNMPVar.h"

#include <QString>
#include <memory>
#include <vector>

// The run-time copy of one or more descriptor tables: the variables of a
// request with the list kind, the number of leading index variables, the
// instance suffix added to every OID and the caption used in status lines.
class KtSNMPVarList
{
public:
    KtSNMPVarList() = default;
    explicit KtSNMPVarList(const KtSNMPVarDef *table, KtListKind kind = ListScalars, int indexCount = 0);

    // A copy starts with an empty Instance and no owned enumerations.
    KtSNMPVarList(const KtSNMPVarList &other);

    // Replaces kind, index count, caption and items with deep copies of the
    // other list's; Instance and OwnedOptions stay as they were, so a row list
    // keeps addressing its row when a new table is loaded into it.
    KtSNMPVarList &operator=(const KtSNMPVarList &other);

    ~KtSNMPVarList() = default;

    // Adds a deep copy of every row up to the terminator, in table order.
    void Append(const KtSNMPVarDef *table);

    int Count() const { return int(items_.size()); }
    KtSNMPVar &Get(int i) { return *items_.at(i); }
    const KtSNMPVar &Get(int i) const { return *items_.at(i); }

    bool IsReadable(int i) const;
    bool IsWritable(int i) const;
    bool IsVisibleColumn(int i) const;
    bool IsHiddenColumn(int i) const;
    bool IsImplied(int i) const;
    bool IsTable() const { return Kind == ListTable || Kind == ListTableEx; }

    int VisibleCount() const;
    int HiddenCount() const;

    // Keeps an enumeration alive as long as the list and returns it.
    const KtOptionList *AdoptOptions(std::unique_ptr<KtOptionList> options);

    QString Instance;
    int IndexCount = 0;
    KtListKind Kind = ListScalars;
    QString Caption;
    std::vector<std::unique_ptr<KtOptionList>> OwnedOptions;

private:
    std::vector<std::unique_ptr<KtSNMPVar>> items_;
};
