#include "KtSNMPVarList.h"

KtSNMPVarList::KtSNMPVarList(const KtSNMPVarDef *table, KtListKind kind, int indexCount)
    : IndexCount(indexCount), Kind(kind)
{
    Append(table);
}

KtSNMPVarList::KtSNMPVarList(const KtSNMPVarList &other)
{
    *this = other;
}

KtSNMPVarList &KtSNMPVarList::operator=(const KtSNMPVarList &other)
{
    if (this == &other)
        return *this;
    Kind = other.Kind;
    IndexCount = other.IndexCount;
    Caption = other.Caption;
    std::vector<std::unique_ptr<KtSNMPVar>> copies;
    copies.reserve(other.items_.size());
    for (const auto &item : other.items_)
        copies.push_back(std::make_unique<KtSNMPVar>(*item));
    items_ = std::move(copies);
    return *this;
}

void KtSNMPVarList::Append(const KtSNMPVarDef *table)
{
    const int rows = KtRowCount(table);
    items_.reserve(items_.size() + rows);
    for (int row = 0; row < rows; ++row)
        items_.push_back(std::make_unique<KtSNMPVar>(table[row]));
}

bool KtSNMPVarList::IsReadable(int i) const
{
    const int access = Get(i).Access;
    return !(access & AccessSkip) && (access & AccessRead);
}

bool KtSNMPVarList::IsWritable(int i) const
{
    // Table index variables count as writable so that editors enable their
    // fields; the PDU builder encodes them into the OIDs instead of sending them.
    const int access = Get(i).Access;
    return !(access & AccessSkip) && ((access & AccessWrite) || (IsTable() && i < IndexCount));
}

bool KtSNMPVarList::IsVisibleColumn(int i) const
{
    const int access = Get(i).Access;
    return !(access & (AccessSkip | AccessHide)) && (access & (AccessIndex | AccessShow | AccessRead));
}

bool KtSNMPVarList::IsHiddenColumn(int i) const
{
    const int access = Get(i).Access;
    return access == AccessWrite || (access & (AccessSkip | AccessHide));
}

bool KtSNMPVarList::IsImplied(int i) const
{
    return Get(i).Access & AccessImplied;
}

int KtSNMPVarList::VisibleCount() const
{
    int count = 0;
    for (int i = 0; i < Count(); ++i)
        count += IsVisibleColumn(i);
    return count;
}

int KtSNMPVarList::HiddenCount() const
{
    int count = 0;
    for (int i = 0; i < Count(); ++i)
        count += IsHiddenColumn(i);
    return count;
}

const KtOptionList *KtSNMPVarList::AdoptOptions(std::unique_ptr<KtOptionList> options)
{
    OwnedOptions.push_back(std::move(options));
    return OwnedOptions.back().get();
}
